#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalog.h"
#include "core/disc_info.h"
#include "support/scripted_prompt.h"
#include "views/logic/disc_tree_cddb_reset.h"

namespace vorlix {
namespace {

CQXCatalog catalogueWith(const std::string& record) {
    CQXCatalog catalogue;
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber("4");
    disc->setInfo(record);
    catalogue.appendDisc(std::move(disc));
    return catalogue;
}

TEST(DiscTreeCddbResetTest, ALookedUpDiscIsTakenByTheNextBatchAgain) {
    const std::string scanned = disc_info::scannedAudioRecord("13025803 3 150 13650 30150 602");
    CQXCatalog catalogue = catalogueWith(*disc_info::setFreedbState(scanned, true));
    test::ScriptedPrompt prompt;

    EXPECT_TRUE(resetCddbMediaTag(catalogue, "4", true, prompt));

    EXPECT_EQ(catalogue.findDisc("4")->info(), scanned);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(DiscTreeCddbResetTest, RefusalsLeaveTheRecordAlone) {
    struct Case {
        std::string record;
        bool owner;
        std::string number;
        std::string_view message;
    };
    const std::string audio = disc_info::scannedAudioRecord("1 2 3");
    const std::vector<Case> cases{
        {audio, false, "4", kUnauthorizedMessage},
        {disc_info::scannedDataRecord(), true, "4", kNoMediaTagToResetMessage},
        {audio, true, "5", kNoMediaTagToResetMessage},
    };
    for (const Case& c : cases) {
        CQXCatalog catalogue =
            catalogueWith(disc_info::setFreedbState(c.record, true).value_or(c.record));
        const std::string before = std::string(catalogue.findDisc("4")->info());
        test::ScriptedPrompt prompt;
        EXPECT_FALSE(resetCddbMediaTag(catalogue, c.number, c.owner, prompt));
        EXPECT_EQ(catalogue.findDisc("4")->info(), before);
        EXPECT_EQ(prompt.messages, std::vector<std::string>{std::string(c.message)});
    }
}

}  // namespace
}  // namespace vorlix
