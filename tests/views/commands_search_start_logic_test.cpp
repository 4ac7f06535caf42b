#include <gtest/gtest.h>

#include "app/history_lists.h"
#include "support/document_rig.h"
#include "support/sample_catalogue.h"
#include "views/logic/commands_search_start.h"

namespace vorlix {
namespace {

using Names = std::vector<std::string>;
using test::DocumentRig;

SearchQuery discQuery(const char* pattern, const char* scope) {
    return {pattern, "names", scope, "", "", "", "And"};
}

class CommandsSearchStartTest : public testing::Test {
protected:
    explicit CommandsSearchStartTest(Identity user = {"anna", "0cc175b9c0f1b6a831c399e269772661"})
        : rig(std::move(user)) {
        rig.load(test::sampleCatalogue());
    }

    std::optional<SearchRequest> start(const std::string& text, SearchScope scope,
                                       const Names& chosen = {}) {
        return panelSearchRequest(rig.document, rig.prompt, text, scope, chosen);
    }
    Names searchHistory() { return historyWords(rig.document.catalogue(), kSearchHistory); }

    DocumentRig rig;
};

TEST_F(CommandsSearchStartTest, QueriesForEachScope) {
    struct Case {
        const char* text;
        SearchScope scope;
        Names chosen;
        SearchRequest expected;
    };
    const Case cases[] = {
        {"", SearchScope::Everything, {"Audio"}, {discQuery("*", "byCat"), {"Audio"}, true, false}},
        {"*", SearchScope::Everything, {}, {discQuery("*", "byCat"), {}, true, false}},
        {"beach", SearchScope::Everything, {"Audio"}, {discQuery("beach", "all"), {}, true, false}},
        {"beach",
         SearchScope::ByCategory,
         {"Audio", "Work"},
         {discQuery("beach", "byCat"), {"Audio", "Work"}, true, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(start(c.text, c.scope, c.chosen), c.expected) << c.text;
    }
    EXPECT_TRUE(rig.prompt.messages.empty());
}

TEST_F(CommandsSearchStartTest, ThePatternJoinsTheHistoryOnce) {
    ASSERT_TRUE(start("", SearchScope::Everything));
    ASSERT_TRUE(start("Beach", SearchScope::Everything));
    ASSERT_TRUE(start("beach", SearchScope::Everything));
    ASSERT_TRUE(start("*", SearchScope::Everything));
    EXPECT_EQ(searchHistory(), (Names{"beach", "mp3", "*", "Beach"}));
}

TEST_F(CommandsSearchStartTest, ASearchByCategoryWithoutCategoriesIsRefusedAfterTheHistory) {
    EXPECT_EQ(start("rock", SearchScope::ByCategory), std::nullopt);
    EXPECT_EQ(rig.prompt.messages, Names{"Please, select categories."});
    EXPECT_EQ(searchHistory(), (Names{"beach", "mp3", "rock"}));
}

TEST_F(CommandsSearchStartTest, ACatalogueWithoutTheHistoryIsToldAndSearchedAllTheSame) {
    rig.document.catalogue().named.remove(kSearchHistory);
    EXPECT_EQ(start("rock", SearchScope::Everything),
              (SearchRequest{discQuery("rock", "all"), {}, true, false}));
    EXPECT_EQ(rig.prompt.messages, Names{"OnButtonNameSearch() #Map Lookup"});
}

TEST_F(CommandsSearchStartTest, NothingWithoutADisc) {
    rig.load(CQXCatalog{});
    rig.document.catalogue().addDefaultNamedObjects();
    EXPECT_EQ(start("rock", SearchScope::ByCategory), std::nullopt);
    EXPECT_TRUE(rig.prompt.messages.empty());
    EXPECT_TRUE(searchHistory().empty());
}

class NonOwnerSearchStartTest : public CommandsSearchStartTest {
protected:
    NonOwnerSearchStartTest() : CommandsSearchStartTest({"bob", "digest"}) {}
};

TEST_F(NonOwnerSearchStartTest, AnotherUserSearchesTheSharedDiscsOnly) {
    EXPECT_EQ(start("rock", SearchScope::Everything),
              (SearchRequest{discQuery("rock", "all"), {}, false, false}));
    EXPECT_EQ(searchRequestFor(rig.document, discQuery("*", "byCat"), {"Audio"}, true),
              (SearchRequest{discQuery("*", "byCat"), {"Audio"}, false, true}));
}

}  // namespace
}  // namespace vorlix
