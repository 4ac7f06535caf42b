#include "app/enter_routes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/document_rig.h"
#include "support/quiet_panes.h"

namespace vorlix {
namespace {

using test::Log;

// Every pane that Enter may reach, each writing the operation it was asked for into one log.
struct LoggingCommands final : test::QuietCommandsPane {
    explicit LoggingCommands(Log& log) : log(log) {}
    void changeNumber() override { log.push_back("change number"); }
    void showDisc() override { log.push_back("show disc"); }
    void startSearch() override { log.push_back("start search"); }
    void lend() override { log.push_back("lend"); }
    void storeDetails() override { log.push_back("store details"); }
    Log& log;
};

struct LoggingFileList final : Pane, FileListPane {
    explicit LoggingFileList(Log& log) : log(log) {}
    std::string_view paneClassName() const override { return kQX2ViewClass; }
    void runCommand(PaneCommand) override {}
    void showFolder(const std::string&) override {}
    void clear() override {}
    void highlightEntry(const CQXFileData&) override {}
    std::vector<CQXFileData*> selectedEntries() const override { return {}; }
    void showCatalogue() override {}
    void openSelectedFile() override { log.push_back("open file"); }
    Log& log;
};

struct LoggingCategories final : Pane, CategoriesPane {
    explicit LoggingCategories(Log& log) : log(log) {}
    std::string_view paneClassName() const override { return kCategoriesViewClass; }
    void runCommand(PaneCommand) override {}
    void refreshForCurrentDisc() override {}
    void refillAttachedCategories() override {}
    void refillAllCategories() override {}
    std::string takeScanDriveText() override { return {}; }
    std::vector<std::string> selectedCategories() const override { return {}; }
    void showCatalogue() override {}
    void createCategory() override { log.push_back("create category"); }
    void saveNotes() override { log.push_back("save notes"); }
    Log& log;
};

struct Route {
    int target;
    std::vector<std::string> runs;
};

// What Enter runs for each value the panes set, and for the values nobody sets.
const Route kRoutes[] = {
    {0, {}},
    {1, {"change number"}},
    {2, {"open file"}},
    {3, {"show disc"}},
    {4, {"start search"}},
    {5, {"lend"}},
    {6, {"store details"}},
    {7, {"create category"}},
    {8, {}},
    {9, {"save notes"}},
    {12, {}},
    {30, {}},
};

class EnterRoutesTest : public testing::Test {
protected:
    EnterRoutesTest() {
        for (Pane* pane : std::initializer_list<Pane*>{&commands, &files, &categories}) {
            rig.document.addPane(*pane);
        }
    }

    test::DocumentRig rig;
    Log log;
    LoggingCommands commands{log};
    LoggingFileList files{log};
    LoggingCategories categories{log};
};

TEST_F(EnterRoutesTest, EachTargetRunsItsOperationOnceAndEnterThenRunsNothing) {
    for (const Route& route : kRoutes) {
        log.clear();
        rig.document.setEnterTarget(static_cast<EnterTarget>(route.target));
        runEnterTarget(rig.document);
        EXPECT_EQ(log, route.runs) << "target " << route.target;
        EXPECT_EQ(rig.document.enterTarget(), EnterTarget::None) << "target " << route.target;

        runEnterTarget(rig.document);
        EXPECT_EQ(log, route.runs) << "second Enter after target " << route.target;
    }
}

TEST_F(EnterRoutesTest, ATargetWhosePaneIsMissingRunsNothingAndIsReset) {
    rig.document.removePane(commands);
    rig.document.setEnterTarget(EnterTarget::Lend);
    runEnterTarget(rig.document);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(rig.document.enterTarget(), EnterTarget::None);
}

}  // namespace
}  // namespace vorlix
