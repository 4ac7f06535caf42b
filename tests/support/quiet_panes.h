#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "accounts/disc_sharing.h"
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
    ShareResult shareSelectedDisc(bool) override { return ShareResult::Unchanged; }
    void deleteDisc() override {}
    void showDiscInformation() override {}
};

// A commands panel whose operations do nothing, for tests to derive from in the same way.
struct QuietCommandsPane : Pane, CommandsPane {
    std::string_view paneClassName() const override { return kCommandsViewClass; }
    void runCommand(PaneCommand) override {}
    void refreshDiscFields() override {}
    void refreshStatus() override {}
    void showCatalogue() override {}
    void startScan(const std::string&) override {}
    void openSearchWindow(const SearchQuery&, bool) override {}
    void changeNumber() override {}
    void showDisc() override {}
    void startSearch() override {}
    void lend() override {}
    void storeDetails() override {}
};

}  // namespace vorlix::test
