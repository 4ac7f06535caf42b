#include <gtest/gtest.h>

#include "app/pane_operations.h"
#include "support/document_rig.h"
#include "support/quiet_panes.h"
#include "support/sample_catalogue.h"
#include "views/logic/categories_view_commands.h"

namespace vorlix {
namespace {

using Names = std::vector<std::string>;

// A disc tree that only counts its rebuilds and remembers the filter each one saw.
struct CountingTree final : test::QuietDiscTree {
    explicit CountingTree(CQX2Doc& document) : document(document) {}
    void rebuildByCategories() override { filters.push_back(document.categoryFilter()); }

    CQX2Doc& document;
    std::vector<Names> filters;
};

// A commands panel that keeps the search windows it is asked to open.
struct SearchingCommands final : test::QuietCommandsPane {
    void openSearchWindow(const SearchQuery& query, bool startAtOnce) override {
        searches.push_back({query, {}, false, startAtOnce});
    }

    std::vector<SearchRequest> searches;
};

SearchRequest searchByCategory(const char* mode) {
    return {{"*", mode, "byCat", "", "", "", "And"}, {}, false, true};
}

class CategoryViewCommandsTest : public testing::Test {
protected:
    CategoryViewCommandsTest() {
        rig.load(test::sampleCatalogue());
        rig.document.addPane(tree);
        rig.document.addPane(panel);
    }
    ~CategoryViewCommandsTest() override {
        rig.document.removePane(panel);
        rig.document.removePane(tree);
    }

    test::DocumentRig rig;
    CountingTree tree{rig.document};
    SearchingCommands panel;
    CategoryViewCommands commands{rig.document, rig.prompt};
};

TEST_F(CategoryViewCommandsTest, TreeViewsAddToTheFilterAndCompleteTreeEmptiesIt) {
    rig.document.categoryFilter() = {"Audio"};
    commands.viewOnTree({"Work", "Audio"});
    EXPECT_FALSE(rig.document.wholeTreeShown());
    commands.showCompleteTree();
    EXPECT_TRUE(rig.document.wholeTreeShown());
    EXPECT_EQ(tree.filters, (std::vector<Names>{{"Audio", "Work"}, {}}));
}

TEST_F(CategoryViewCommandsTest, ListViewsReplaceTheFilterAndSearchByIt) {
    rig.document.categoryFilter() = {"Audio"};
    commands.viewDiscsOnList({"Work"});
    EXPECT_EQ(rig.document.categoryFilter(), Names{"Work"});
    commands.viewFiles({"DVD", "Backups"});
    EXPECT_EQ(rig.document.categoryFilter(), (Names{"DVD", "Backups"}));
    EXPECT_TRUE(rig.prompt.messages.empty());
    EXPECT_TRUE(tree.filters.empty());
    EXPECT_EQ(panel.searches,
              (std::vector<SearchRequest>{searchByCategory("names"), searchByCategory("files")}));

    // Discs of no category in particular are every disc; files need a category.
    commands.viewDiscsOnList({});
    commands.viewFiles({});
    EXPECT_TRUE(rig.document.categoryFilter().empty());
    EXPECT_EQ(rig.prompt.messages, Names{"Please, select a category."});
    EXPECT_EQ(panel.searches.size(), 3u);
    EXPECT_EQ(panel.searches.back(), searchByCategory("names"));
}

TEST(CategoryViewCommandsWithoutTree, RebuildsNothingAndAsksNothingWithoutDiscs) {
    test::DocumentRig rig;
    SearchingCommands panel;
    rig.document.addPane(panel);
    CategoryViewCommands commands(rig.document, rig.prompt);
    commands.viewOnTree({"Audio"});
    commands.viewFiles({});
    EXPECT_TRUE(rig.prompt.messages.empty());
    EXPECT_TRUE(rig.document.categoryFilter().empty());
    commands.viewDiscsOnList({"Audio"});
    commands.viewFiles({"Audio"});
    EXPECT_TRUE(panel.searches.empty());
    rig.document.removePane(panel);
}

}  // namespace
}  // namespace vorlix
