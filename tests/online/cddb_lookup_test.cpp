#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "core/disc_info.h"
#include "online/audio_catalogue.h"
#include "online/cddb_apply.h"
#include "online/cddb_batch.h"
#include "online/cddb_results.h"
#include "online/cddb_server_entry.h"
#include "online/freedb_control.h"
#include "online/scripted_http_server.h"
#include "platform/http/curl_http_client.h"
#include "support/scripted_prompt.h"

namespace vorlix {
namespace {

using namespace std::chrono_literals;
using test::ScriptedHttpServer;
using test::ScriptedPrompt;
using test::ScriptedReply;

const ScriptedReply kTwoMatches{
    200,
    "211 Found inexact matches, list follows (until terminating `.')\r\n"
    "rock 13025803 The Artist / The Album\r\n"
    "jazz 13025804 Someone Else / Another Album\r\n"
    ".\r\n"};

ScriptedReply entryReply(const std::string& category, const std::string& title) {
    return {200,
            "210 " + category +
                " 13025803 CD database entry follows\r\n"
                "# xmcd\r\n#\r\n# Track frame offsets:\r\n#\t150\r\n#\t13650\r\n#\t30150\r\n#\r\n"
                "# Disc length: 602 seconds\r\n#\r\n# Revision: 3\r\n#\r\n"
                "DISCID=13025803\r\nDTITLE=" +
                title +
                "\r\nDYEAR=1999\r\n"
                "TTITLE0=Opening\r\nTTITLE1=Middle\r\nTTITLE2=Closing\r\n"
                "EXTD=\r\nEXTT0=\r\nEXTT1=\r\nEXTT2=\r\nPLAYORDER=\r\n.\r\n"};
}

class CddbLookupTest : public testing::Test {
protected:
    CddbLookupTest()
        : m_http(5s, 10s),
          m_control(
              m_http, [](const std::string&) { return std::nullopt; },
              CddbClientIdentity{"joe@example.org"}) {
        m_control.setErrorHandler(
            [this](std::int32_t, const std::string& text) { m_errors.push_back(text); });
        m_control.setServer(m_server.address());
        m_server.script("cddb query", kTwoMatches);
        m_server.script("cddb read rock", entryReply("rock", "The Artist / The Album"));
        m_server.script("cddb read jazz", entryReply("jazz", "Someone Else / Another Album"));
    }

    ScriptedHttpServer m_server;
    CurlHttpClient m_http;
    C_uFREEDB m_control;
    std::vector<std::string> m_errors;
    ScriptedPrompt m_prompt;
};

TEST_F(CddbLookupTest, LookupAppliedToTheDiscRenamesTracksAndMarksItProcessed) {
    CQXCatalog catalogue;
    catalogue.appendDisc(test::scannedAudioDisc("7", test::kThreeTrackTag, 3));

    ASSERT_EQ(m_control.lookUp(test::kThreeTrackTag), 0) << testing::PrintToString(m_errors);
    const CddbResults results = readCddbResults(m_control);
    ASSERT_TRUE(CddbApply(catalogue, m_prompt)
                    .apply("7", results, {.addTrackLength = true, .assignCategory = true}));

    const CQXDisc& disc = *catalogue.findDisc("7");
    EXPECT_EQ(disc.name(), "The Album");
    EXPECT_EQ(disc.outline(), "7 The Album\r\n");
    EXPECT_EQ(disc.artist(), "The Artist (1999)");
    EXPECT_EQ(test::entryNames(disc),
              (std::vector<std::string>{"01 Opening 3:00.cda", "02 Middle 3:40.cda",
                                        "03 Closing 3:20.cda"}));
    EXPECT_EQ(disc_info::readFreedbState(disc.info()).value, "yes");
    EXPECT_EQ(disc_info::readMediaTag(disc.info()).value, test::kThreeTrackTag);
    EXPECT_EQ(disc.categories(), (std::vector<std::string>{"rock"}));
    EXPECT_EQ(catalogue.categories, (std::vector<std::string>{"rock"}));
    EXPECT_TRUE(m_prompt.messages.empty());
}

TEST_F(CddbLookupTest, EveryMatchOfTheQueryCanBeChosen) {
    ASSERT_EQ(m_control.lookUp(test::kThreeTrackTag), 0);
    ASSERT_EQ(m_control.matches().size(), 2u);
    EXPECT_EQ(m_control.matches()[1].discTitle, "Someone Else / Another Album");
    EXPECT_EQ(m_control.albumCategory(), "rock");

    ASSERT_EQ(m_control.chooseMatch(1), 0);
    EXPECT_EQ(m_control.albumCategory(), "jazz");
    EXPECT_EQ(m_control.albumTitle(), "Another Album");

    EXPECT_EQ(m_control.chooseMatch(2), freedb_error::kNoSuchMatch);
    EXPECT_EQ(m_control.albumTitle(), "Another Album");
}

TEST(CddbResultsTest, TrackRowsCarryTwoDigitNumbers) {
    EXPECT_EQ(trackRowText(3, "Intro"), "03 Intro");
    EXPECT_EQ(trackRowText(12, "Outro"), "12 Outro");
    EXPECT_EQ(trackRowText(100, "Bonus"), "100 Bonus");
}

TEST(CddbApplyTest, OptionsChangeOnlyWhatTheyName) {
    const CddbResults results{"Artist", "Album", "", "rock", {{"01 One", "1:00"}}};
    struct Case {
        CddbApplyOptions options;
        std::string name;
        std::string artist;
        std::string entry;
        std::vector<std::string> categories;
    };
    const std::vector<Case> cases{
        {{true, true, false, false}, "Album", "Artist", "01 One.cda", {}},
        {{false, false, false, false}, "Audio CD", "", "01 One.cda", {}},
        {{false, true, true, false}, "Audio CD", "Artist", "01 One 1:00.cda", {}},
        {{true, false, false, true}, "Album", "", "01 One.cda", {"rock"}},
    };
    for (const Case& c : cases) {
        CQXCatalog catalogue;
        catalogue.appendDisc(test::scannedAudioDisc("1", test::kThreeTrackTag, 1));
        ScriptedPrompt prompt;
        EXPECT_TRUE(CddbApply(catalogue, prompt).apply("1", results, c.options));
        const CQXDisc& disc = *catalogue.findDisc("1");
        EXPECT_EQ(disc.name(), c.name);
        EXPECT_EQ(disc.artist(), c.artist);
        EXPECT_EQ(test::entryNames(disc), std::vector<std::string>{c.entry});
        EXPECT_EQ(disc.categories(), c.categories);
    }
}

TEST(CddbApplyTest, ACategoryAlreadyThereIsNotAddedTwice) {
    CQXCatalog catalogue;
    catalogue.categories.push_back("rock");
    catalogue.appendDisc(test::scannedAudioDisc("1", test::kThreeTrackTag, 0));
    catalogue.findDisc("1")->editCategories().push_back("rock");
    ScriptedPrompt prompt;
    ASSERT_TRUE(CddbApply(catalogue, prompt)
                    .apply("1", CddbResults{"", "", "", "rock", {}}, {.assignCategory = true}));
    EXPECT_EQ(catalogue.categories, (std::vector<std::string>{"rock"}));
    EXPECT_EQ(catalogue.findDisc("1")->categories(), (std::vector<std::string>{"rock"}));
}

TEST(CddbApplyTest, MissingEntriesAndStateAreReportedAndTheRestApplied) {
    CQXCatalog catalogue;
    auto disc = test::scannedAudioDisc("1", test::kThreeTrackTag, 1);
    disc->setInfo(disc_info::scannedDataRecord());
    catalogue.appendDisc(std::move(disc));
    ScriptedPrompt prompt;
    const CddbResults results{"A", "B", "", "", {{"01 One", ""}, {"02 Two", ""}, {"03 Three", ""}}};

    EXPECT_FALSE(CddbApply(catalogue, prompt).apply("1", results, {}));

    EXPECT_EQ(test::entryNames(*catalogue.findDisc("1")), std::vector<std::string>{"01 One.cda"});
    EXPECT_EQ(catalogue.findDisc("1")->name(), "B");
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{std::string(kApplyNoEntryMessage),
                                                         std::string(kApplyNoEntryMessage),
                                                         std::string(kApplyNoStateMessage)}));
}

TEST(CddbApplyTest, AnUnknownDiscIsRefused) {
    CQXCatalog catalogue;
    ScriptedPrompt prompt;
    EXPECT_FALSE(CddbApply(catalogue, prompt).apply("9", {}, {}));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{std::string(kApplyNoDiscMessage)});
}

TEST(CddbBatchTest, OnlyAudioDiscsNotYetLookedUpAreTaken) {
    CQXCatalog catalogue;
    catalogue.appendDisc(test::scannedAudioDisc("1", test::kThreeTrackTag, 3));
    catalogue.appendDisc(test::scannedAudioDisc("2", test::kThreeTrackTag, 3));
    catalogue.appendDisc(test::scannedDataDisc("3"));
    catalogue.appendDisc(test::scannedAudioDisc("4", test::kThreeTrackTag, 3));
    catalogue.findDisc("2")->setInfo(
        *disc_info::setFreedbState(catalogue.findDisc("2")->info(), true));

    EXPECT_EQ(unprocessedAudioDiscs(catalogue), (std::vector<std::string>{"1", "4"}));
    EXPECT_EQ(invalidMediaTagLine("4"), "CD 4: Invalid media tag\r\n");
}

TEST(CddbBatchTest, OpeningNeedsACatalogueAndAMediaTag) {
    CQXCatalog catalogue;
    catalogue.appendDisc(test::scannedAudioDisc("1", test::kThreeTrackTag, 3));
    catalogue.appendDisc(test::scannedDataDisc("2"));
    ScriptedPrompt prompt;

    EXPECT_EQ(openingMediaTag(&catalogue, "1", prompt), test::kThreeTrackTag);
    EXPECT_EQ(openingMediaTag(nullptr, "1", prompt), std::nullopt);
    EXPECT_EQ(openingMediaTag(&catalogue, "2", prompt), std::nullopt);
    EXPECT_EQ(openingMediaTag(&catalogue, "5", prompt), std::nullopt);
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{std::string(kLookupAbortedMessage),
                                                         std::string(kNoMediaTagMessage),
                                                         std::string(kNoMediaTagMessage)}));
}

TEST(CddbServerEntryTest, HostDescriptionAndFlagComeFromTheLine) {
    const std::vector<std::pair<std::string, CddbServerEntry>> cases{
        {"us.freedb.org http 80 /~cddb/cddb.cgi N037.21 W121.55 Santa Clara, CA USA",
         {"us.freedb.org", "N037.21 W121.55 Santa Clara, CA USA", ServerFlag::UnitedStates}},
        {"de.freedb.org http 80 /~cddb/cddb.cgi N000 E000 Germany",
         {"de.freedb.org", "N000 E000 Germany", ServerFlag::Germany}},
        {"gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Random gnudb server",
         {"gnudb.gnudb.org", "N000.00 W000.00 Random gnudb server", ServerFlag::Freedb}},
        {"uk.example.net plain line",
         {"uk.example.net", "example.net plain line", ServerFlag::UnitedKingdom}},
        {"freedb.org", {"freedb.org", "edb.org", ServerFlag::Freedb}},
        {"at", {"at", "", ServerFlag::Austria}},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(serverEntryOf(line), expected) << line;
    }
    EXPECT_EQ(serverFlagOf("ca.x"), ServerFlag::Canada);
    EXPECT_EQ(serverFlagOf("usa.x"), ServerFlag::Freedb);
}

}  // namespace
}  // namespace vorlix
