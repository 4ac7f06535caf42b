#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/catalogue_file.h"
#include "cli/cli_test_fixture.h"
#include "core/code_page.h"
#include "core/disc_info.h"
#include "online/audio_catalogue.h"
#include "online/online_fixture.h"
#include "online/scripted_http_server.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using test::RecordedRequest;
using test::ScriptedReply;

const std::string kJpeg = std::string("\xff\xd8\xff\xe0", 4) + "JFIF picture";

ScriptedReply entryReply(const std::string& category, const std::string& title) {
    return {200, "210 " + category +
                     " 13025803 CD database entry follows\r\n"
                     "# xmcd\r\n#\r\n# Track frame offsets:\r\n#\t150\r\n#\t13650\r\n#\t30150\r\n"
                     "#\r\n# Disc length: 602 seconds\r\n#\r\n# Revision: 3\r\n#\r\n"
                     "DISCID=13025803\r\nDTITLE=" +
                     title +
                     "\r\nDYEAR=1999\r\nTTITLE0=Opening\r\nTTITLE1=Middle\r\nTTITLE2=Closing\r\n"
                     "EXTD=\r\nEXTT0=\r\nEXTT1=\r\nEXTT2=\r\nPLAYORDER=\r\n.\r\n"};
}

// A catalogue of an audio disc 7 and a data disc 8, written before owners existed, and a freedb
// server that knows disc 7 under two titles.
class OnlineCommandsTest : public test::CliTest {
protected:
    void SetUp() override {
        launcher = "timeout 30 ";
        ASSERT_EQ(run("accounts add anna", "secret").status, 0);
        ASSERT_EQ(run("accounts add bob", "secret").status, 0);
        CQXCatalog catalogue;
        catalogue.addDefaultNamedObjects();
        catalogue.appendDisc(test::scannedAudioDisc("7", test::kThreeTrackTag, 3));
        catalogue.appendDisc(test::scannedDataDisc("8"));
        for (const auto& disc : catalogue.discs) {
            disc->setOwnerName("null");
            disc->setOwnerDigest("null");
        }
        writeCatalogueFile(catalogue, folder.file("cds.vrd"), m_codePage);
        m_server.script("cddb query",
                        {200,
                         "211 Found inexact matches, list follows (until terminating `.')\r\n"
                         "rock 13025803 The Artist / The Album\r\n"
                         "jazz 13025804 Someone Else / Another Album\r\n.\r\n"});
        m_server.script("cddb read rock", entryReply("rock", "The Artist / The Album"));
        m_server.script("cddb read jazz", entryReply("jazz", "Someone Else / Another Album"));
    }

    test::CliRun as(const std::string& user, const std::string& arguments) {
        return run(arguments + " --user " + user, "secret");
    }

    std::string cddb(const std::string& disc) const {
        return "cddb '" + folder.file("cds.vrd") + "' " + disc + " --server " + m_server.address();
    }

    CQXCatalog catalogue() { return readCatalogueFile(folder.file("cds.vrd"), m_codePage); }

    Windows1252 m_codePage;
    test::ScriptedHttpServer m_server;
};

TEST_F(OnlineCommandsTest, CddbListsTheMatchesAndAppliesTheChosenOne) {
    const std::string before = test::readFile(folder.file("cds.vrd"));
    const test::CliRun listed = as("bob", cddb("7"));
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out,
              "1. rock 13025803 The Artist / The Album\n"
              "2. jazz 13025804 Someone Else / Another Album\n");
    EXPECT_EQ(test::readFile(folder.file("cds.vrd")), before);

    const test::CliRun applied = as("anna", cddb("7") + " --apply 2");
    ASSERT_EQ(applied.status, 0) << applied.err;
    const CQXCatalog after = catalogue();
    const CQXDisc& disc = *after.findDisc("7");
    EXPECT_EQ(disc.name(), "Another Album");
    EXPECT_EQ(disc.artist(), "Someone Else (1999)");
    EXPECT_EQ(test::entryNames(disc),
              (std::vector<std::string>{"01 Opening.cda", "02 Middle.cda", "03 Closing.cda"}));
    EXPECT_EQ(disc_info::readFreedbState(disc.info()).value, "yes");
}

TEST_F(OnlineCommandsTest, CddbRefusalsLeaveTheCatalogueAsItWas) {
    ASSERT_EQ(as("anna", cddb("7") + " --apply 1").status, 0);
    const std::string before = test::readFile(folder.file("cds.vrd"));
    struct Case {
        std::string user;
        std::string arguments;
        std::string message;
    };
    const std::vector<Case> cases{
        {"bob", cddb("7") + " --apply 1", "Operation not allowed! Logged in as : bob"},
        {"anna", cddb("8") + " --apply 1",
         "No media tag found. Please scan the CD one more time and try again."},
        {"anna", cddb("7") + " --apply 3", "There is no match 3 of the last query"},
        {"anna", cddb("7") + " --apply x", "--apply takes the number of a match"},
    };
    for (const Case& c : cases) {
        const test::CliRun refused = as(c.user, c.arguments);
        EXPECT_EQ(refused.status, 1) << c.arguments;
        EXPECT_NE(refused.err.find(c.message), std::string::npos) << refused.err;
        EXPECT_EQ(test::readFile(folder.file("cds.vrd")), before) << c.arguments;
    }
}

TEST_F(OnlineCommandsTest, CddbReportsAMalformedReply) {
    m_server.script("cddb query", {200, "<html>Service moved</html>\r\n"});
    const std::string before = test::readFile(folder.file("cds.vrd"));
    const test::CliRun refused = as("anna", cddb("7") + " --apply 1");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(m_server.address()), std::string::npos) << refused.err;
    EXPECT_EQ(test::readFile(folder.file("cds.vrd")), before);
}

TEST_F(OnlineCommandsTest, CoverFromAPictureFile) {
    test::writeFile(folder.file("front.jpg"), kJpeg);
    test::writeFile(folder.file("front.png"), "\x89PNG\r\n");
    const std::string cover = "cover '" + folder.file("cds.vrd") + "' 8 --file ";

    const test::CliRun refused = as("anna", cover + quoted("front.png"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("is not a JPEG picture"), std::string::npos) << refused.err;
    ASSERT_EQ(as("anna", cover + quoted("front.jpg")).status, 0);

    const CQXCatalog stored = catalogue();
    const auto* picture = stored.named.find("CD8");
    ASSERT_NE(picture, nullptr);
    const auto& bytes = std::get<ByteArray>(*picture).bytes;
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), kJpeg);
    EXPECT_EQ(as("anna", "cover '" + folder.file("cds.vrd") + "' 8").status, 1);
    EXPECT_EQ(
        as("anna", "cover '" + folder.file("cds.vrd") + "' 9 --file " + quoted("front.jpg")).status,
        1);
}

TEST_F(OnlineCommandsTest, CoverFromMusicBrainzByTheTableOfContents) {
    m_server.route("/ws/2/discid/", [](const RecordedRequest&) {
        return ScriptedReply{200, test::onlineFixture("musicbrainz_discid.json"),
                             "application/json"};
    });
    m_server.route("/release/", [this](const RecordedRequest&) {
        std::string listing = test::onlineFixture("coverart_release.json");
        for (std::size_t at = listing.find("HOST"); at != std::string::npos;
             at = listing.find("HOST", at)) {
            listing.replace(at, 4, m_server.address());
        }
        return ScriptedReply{200, listing, "application/json"};
    });
    m_server.route("/pictures/", [](const RecordedRequest& request) {
        return ScriptedReply{200, kJpeg + request.path(), "image/jpeg"};
    });
    for (const char* name : {"musicbrainzhost", "coverarthost"}) {
        ASSERT_EQ(run(std::string("config set ") + name + " " + m_server.address()).status, 0);
    }

    const test::CliRun stored =
        as("anna", "cover '" + folder.file("cds.vrd") + "' 7 --musicbrainz");
    ASSERT_EQ(stored.status, 0) << stored.err;

    const CQXCatalog after = catalogue();
    const auto& bytes = std::get<ByteArray>(*after.named.find("CD7")).bytes;
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), kJpeg + "/pictures/front.jpg");
    const std::string record = std::string(after.findDisc("7")->info());
    EXPECT_EQ(disc_info::readPriceData(record).asin, "B000000001");
    EXPECT_EQ(disc_info::readPriceData(record).newPrice, "N/A");
    EXPECT_EQ(disc_info::readMode(record), "music");
    const std::vector<RecordedRequest> requests = m_server.requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests[0].query("toc"), "1 3 45150 150 13650 30150");
    EXPECT_TRUE(requests[0].header("User-Agent").starts_with("Vorlix/"))
        << requests[0].header("User-Agent");
}

}  // namespace
}  // namespace vorlix
