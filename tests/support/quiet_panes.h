#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/pane.h"
#include "app/pane_operations.h"

namespace vorlix::test {

// A disc tree pane whose operations do nothing; tests derive from it and record the few calls
// they look at.
struct QuietDiscTree : Pane, DiscTreePane {
    std::string_view paneClassName() const override { return kLeftViewClass; }
    void runCommand(PaneCommand) override {}
    void fill() override {}
    void selectFirstDisc() override {}
    void addDiscItem(const CQXDisc&) override {}
    bool selectDisc(const std::string&) override { return false; }
    void collapseDisc(const std::string&) override {}
    std::string selectedItemPath() const override { return {}; }
    void renameDisc(const std::string&, const std::string&) override {}
    void rebuildByCategories() override {}
    void locateFile(const CQXFileData&) override {}
    void deleteDisc() override {}
    void showDiscInformation() override {}
};

}  // namespace vorlix::test
