#include "app/history_lists.h"

#include <gtest/gtest.h>

#include "core/catalog.h"

namespace vorlix {
namespace {

using Words = std::vector<std::string>;

TEST(HistoryLists, RememberAddsAWordOnceComparingTheTextExactly) {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    for (const char* word : {"john", "John", "john", "", "joan"}) {
        EXPECT_TRUE(rememberInHistory(catalogue, kLendHistory, word));
    }
    EXPECT_EQ(historyWords(catalogue, kLendHistory), (Words{"john", "John", "", "joan"}));
    EXPECT_TRUE(historyWords(catalogue, kSearchHistory).empty());
}

TEST(HistoryLists, ACatalogueWithoutTheListRefusesAndKeepsEverythingElse) {
    CQXCatalog catalogue;
    catalogue.named.set(kSearchHistory, ByteArray{{1, 2}});
    EXPECT_FALSE(hasHistory(catalogue, kSearchHistory));
    EXPECT_FALSE(hasHistory(catalogue, kLendHistory));
    EXPECT_FALSE(rememberInHistory(catalogue, kSearchHistory, "beach"));
    EXPECT_FALSE(rememberInHistory(catalogue, kLendHistory, "john"));
    EXPECT_FALSE(replaceHistory(catalogue, kLendHistory, {"john"}));
    EXPECT_TRUE(historyWords(catalogue, kSearchHistory).empty());
    EXPECT_EQ(catalogue.named.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<ByteArray>(*catalogue.named.find(kSearchHistory)));
}

TEST(HistoryLists, ReplaceGivesTheListExactlyTheWords) {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    EXPECT_TRUE(rememberInHistory(catalogue, kSearchHistory, "beach"));
    EXPECT_TRUE(replaceHistory(catalogue, kSearchHistory, {"mp3", "mp3", "ogg"}));
    EXPECT_EQ(historyWords(catalogue, kSearchHistory), (Words{"mp3", "mp3", "ogg"}));
    EXPECT_TRUE(replaceHistory(catalogue, kSearchHistory, {}));
    EXPECT_TRUE(hasHistory(catalogue, kSearchHistory));
    EXPECT_TRUE(historyWords(catalogue, kSearchHistory).empty());
}

}  // namespace
}  // namespace vorlix
