#include <gtest/gtest.h>

#include "support/document_fakes.h"
#include "support/sample_catalogue.h"
#include "views/logic/commands_statistics.h"
#include "views/logic/commands_status_text.h"

namespace vorlix {
namespace {

TEST(CommandsStatistics, FiguresOfTheSampleCatalogue) {
    CQXCatalog catalogue = test::sampleCatalogue();
    // The first disc's owner, "Yes" exactly as shared, and the entries of every disc.
    catalogue.discs[0]->setOwnerName("anna");
    catalogue.discs[1]->setOwnerName("bob");
    catalogue.discs[1]->setShared("yes");
    EXPECT_EQ(catalogueStatistics(catalogue), (CatalogueStatistics{"anna", "2", "4"}));
    EXPECT_EQ(discCountTexts(catalogue), (DiscCountTexts{"3", "10"}));
}

TEST(CommandsStatistics, AnEmptyCatalogueHasNoFigures) {
    const CQXCatalog catalogue;
    EXPECT_EQ(catalogueStatistics(catalogue), std::nullopt);
    EXPECT_EQ(discCountTexts(catalogue), (DiscCountTexts{"0", ""}));
}

TEST(CommandsStatistics, TheLastEntryIsTheLastDiscOfTheListNotTheHighestNumber) {
    CQXCatalog catalogue = test::sampleCatalogue();
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber("4");
    catalogue.discs.push_back(std::move(disc));
    EXPECT_EQ(discCountTexts(catalogue), (DiscCountTexts{"4", "4"}));
}

TEST(CommandsStatusText, StatusLineFollowsTheChatComponent) {
    test::Log log;
    test::FakeChat chat(log);
    EXPECT_EQ(firstStatusText("anna", chat), "Logged in as :anna Con: No");
    EXPECT_EQ(statusText("anna", chat), "Logged: anna Con: No Trs: 0 OnUsr: 0");
    chat.state = "ONLINE";
    chat.transfers = 2;
    chat.users = 15;
    EXPECT_EQ(firstStatusText("anna", chat), "Logged in as :anna Con: Yes");
    EXPECT_EQ(statusText("anna", chat), "Logged: anna Con: Yes Trs: 2 OnUsr: 15");
    // Only the exact word means offline.
    chat.state = "offline";
    EXPECT_EQ(statusText("", chat), "Logged:  Con: Yes Trs: 2 OnUsr: 15");
}

}  // namespace
}  // namespace vorlix
