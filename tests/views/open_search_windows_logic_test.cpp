#include <gtest/gtest.h>

#include "core/catalog.h"
#include "support/commands_fakes.h"
#include "views/logic/open_search_windows.h"

namespace vorlix {
namespace {

using Words = std::vector<SearchWindowWord>;

SearchRequest requestFor(const char* pattern, std::vector<std::string> categories = {}) {
    return {{pattern, "names", "byCat", "", "", "", "And"}, std::move(categories), true, false};
}

class OpenSearchWindowsTest : public testing::Test {
protected:
    bool open(const SearchRequest& request) {
        return windows.open(request, catalogue, [this] { ++closings; });
    }

    CQXCatalog catalogue;
    test::FakeSearchWindows factory;
    OpenSearchWindows windows{factory};
    int closings = 0;
};

TEST_F(OpenSearchWindowsTest, WindowsReadAndEditTheirQueryInPlaceWhileTheyAreOpen) {
    ASSERT_TRUE(open(requestFor("beach", {"Audio"})));
    auto& window = *factory.opened.front();
    EXPECT_EQ(window.request, requestFor("beach", {"Audio"}));
    window.query->pattern = "sea";
    window.categories->push_back("Work");
    ASSERT_TRUE(open(requestFor("*")));
    EXPECT_EQ(window.query->pattern, "sea");
    EXPECT_EQ(*window.categories, (std::vector<std::string>{"Audio", "Work"}));
    EXPECT_EQ(windows.size(), 2u);
}

TEST_F(OpenSearchWindowsTest, WordsReachEveryWindowNewestFirst) {
    ASSERT_TRUE(open(requestFor("first")));
    ASSERT_TRUE(open(requestFor("second")));
    std::vector<std::string> order;
    for (const auto& window : factory.opened) {
        const auto* opened = window.get();
        window->tellClosed = [&order, opened] { order.push_back(opened->query->pattern); };
    }
    windows.apply(SearchWindowWord::Hide);
    windows.apply(SearchWindowWord::Close);
    EXPECT_EQ(order, (std::vector<std::string>{"second", "first"}));
    for (const auto& window : factory.opened) {
        EXPECT_EQ(window->words, (Words{SearchWindowWord::Hide, SearchWindowWord::Close}));
        EXPECT_FALSE(window->ended);
    }
    windows.removeClosed();
    EXPECT_TRUE(windows.empty());
    EXPECT_TRUE(factory.opened[0]->ended);
    EXPECT_TRUE(factory.opened[1]->ended);
}

TEST_F(OpenSearchWindowsTest, OnlyTheClosedWindowsLeave) {
    for (const char* pattern : {"a", "b", "c"}) {
        ASSERT_TRUE(open(requestFor(pattern)));
    }
    factory.opened[0]->close();
    factory.opened[2]->close();
    EXPECT_EQ(closings, 2);
    windows.removeClosed();
    EXPECT_EQ(windows.size(), 1u);
    EXPECT_TRUE(factory.opened[0]->ended);
    EXPECT_FALSE(factory.opened[1]->ended);
    EXPECT_TRUE(factory.opened[2]->ended);
    windows.apply(SearchWindowWord::Minimize);
    EXPECT_EQ(factory.opened[1]->words, Words{SearchWindowWord::Minimize});
}

TEST_F(OpenSearchWindowsTest, CloseAllStopsAndEndsEveryWindow) {
    ASSERT_TRUE(open(requestFor("a")));
    ASSERT_TRUE(open(requestFor("b")));
    windows.closeAll();
    EXPECT_TRUE(windows.empty());
    for (const auto& window : factory.opened) {
        EXPECT_EQ(window->words, Words{SearchWindowWord::Close});
        EXPECT_TRUE(window->ended);
    }
}

// A factory that makes no window leaves nothing in the list.
struct NoWindows final : SearchWindowFactory {
    std::unique_ptr<SearchWindow> create(SearchWindowSetup) override { return nullptr; }
};

TEST(OpenSearchWindowsWithoutWindows, NothingIsKept) {
    CQXCatalog catalogue;
    NoWindows factory;
    OpenSearchWindows windows(factory);
    EXPECT_FALSE(windows.open(requestFor("a"), catalogue, [] {}));
    EXPECT_TRUE(windows.empty());
}

}  // namespace
}  // namespace vorlix
