#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "online/musicbrainz_reply.h"
#include "online/musicbrainz_request.h"
#include "online/musicbrainz_source.h"
#include "online/online_fixture.h"
#include "online/request_pacer.h"
#include "online/scripted_http_server.h"
#include "platform/http/curl_http_client.h"
#include "support/memory_settings.h"

namespace vorlix {
namespace {

using namespace std::chrono_literals;
using test::RecordedRequest;
using test::ScriptedHttpServer;
using test::ScriptedReply;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

TEST(MusicBrainzRequestTest, TheTocLookupIsBuiltFromTheStoredMediaTag) {
    const MusicBrainzHosts hosts{"127.0.0.1:5000", "127.0.0.1:5001"};
    EXPECT_EQ(musicBrainzTocUrl(hosts, "0c025803 3 150 15150 30150 602"),
              "http://127.0.0.1:5000/ws/2/discid/-?toc=1%203%2045150%20150%2015150%2030150"
              "&cdstubs=no&inc=artist-credits+labels&fmt=json");
    EXPECT_EQ(musicBrainzTocUrl(hosts, "not a tag"), std::nullopt);
    EXPECT_EQ(musicBrainzTocUrl(hosts, ""), std::nullopt);
}

TEST(MusicBrainzRequestTest, KeywordsAreEncodedAndPagesAreTenReleases) {
    const MusicBrainzHosts hosts{"mb.test", "caa.test"};
    EXPECT_EQ(musicBrainzSearchUrl(hosts, "AC/DC & Friends #2", 3),
              "http://mb.test/ws/2/release/?query=AC%2FDC%20%26%20Friends%20%232&limit=10"
              "&offset=20&fmt=json");
    EXPECT_EQ(coverArtListingUrl(hosts, "abc-1"), "http://caa.test/release/abc-1");
}

TEST(MusicBrainzRequestTest, HostsComeFromTheSettingsWithThePublicServicesAsDefault) {
    test::MemorySettings settings;
    EXPECT_EQ(musicBrainzHostsFromSettings(settings).musicBrainz, "musicbrainz.org");
    EXPECT_EQ(musicBrainzHostsFromSettings(settings).coverArt, "coverartarchive.org");
    settings.texts[{std::string(setting::kSettingsKey), std::string(setting::kMusicBrainzHost)}] =
        "127.0.0.1:9";
    EXPECT_EQ(musicBrainzHostsFromSettings(settings).musicBrainz, "127.0.0.1:9");
}

TEST(MusicBrainzReplyTest, ReleasesBecomeCoverItems) {
    const MusicBrainzHosts hosts{"mb.test", "caa.test"};
    const auto found = musicBrainzReleasesOf(test::onlineFixture("musicbrainz_discid.json"), hosts);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->total, 2);
    ASSERT_EQ(found->items.size(), 2u);
    const CoverItem& first = found->items[0];
    EXPECT_EQ(first.sourceId, "00000000-0000-4000-8000-000000000001");
    EXPECT_EQ(first.detailsUrl, "http://mb.test/release/00000000-0000-4000-8000-000000000001");
    EXPECT_EQ(first.productName, "The Album");
    EXPECT_EQ(first.asin, "B000000001");
    EXPECT_EQ(first.catalog, "EX 001");
    EXPECT_EQ(first.releaseDate, "2003-03-05");
    EXPECT_EQ(first.people, std::vector<std::string>{"The Artist"});
    EXPECT_EQ(first.newPrice, "N/A");
    const CoverItem& second = found->items[1];
    EXPECT_EQ(second.people, (std::vector<std::string>{"The Artist", "Guest Singer"}));
    EXPECT_EQ(second.catalog, "N/A");
    EXPECT_EQ(second.releaseDate, "N/A");
    EXPECT_EQ(second.asin, "");

    const auto search =
        musicBrainzReleasesOf(test::onlineFixture("musicbrainz_search.json"), hosts);
    ASSERT_TRUE(search);
    EXPECT_EQ(search->total, 23);
    EXPECT_EQ(search->items.size(), 10u);
    EXPECT_EQ(search->items[0].productName, "Caf\xc3\xa9 Album 1");

    EXPECT_FALSE(musicBrainzReleasesOf("<html>Service moved</html>", hosts));
    EXPECT_FALSE(musicBrainzReleasesOf("{\"error\": \"Not Found\"}", hosts));
}

TEST(MusicBrainzReplyTest, TheFrontPictureIsChosenFromTheListing) {
    const std::string listing = test::onlineFixture("coverart_release.json");
    EXPECT_EQ(coverArtFrontOf(listing, false), "http://HOST/pictures/front-250.jpg");
    EXPECT_EQ(coverArtFrontOf(listing, true), "http://HOST/pictures/front.jpg");
    EXPECT_EQ(coverArtFrontOf("{\"images\": [{\"front\": false, \"image\": \"x\"}]}", true), "");
    EXPECT_EQ(coverArtFrontOf("not json", true), "");
}

TEST(RequestPacerTest, RequestsAreKeptASecondApart) {
    auto now = std::chrono::steady_clock::time_point{} + 100s;
    std::vector<std::chrono::steady_clock::duration> waits;
    RequestPacer pacer(
        1000ms, [&] { return now; },
        [&](std::chrono::steady_clock::duration wait) {
            waits.push_back(wait);
            now += wait;
        });

    pacer.waitTurn();
    now += 300ms;
    pacer.waitTurn();
    now += 2500ms;
    pacer.waitTurn();
    pacer.waitTurn();

    EXPECT_EQ(waits, (std::vector<std::chrono::steady_clock::duration>{700ms, 1000ms}));
}

class MusicBrainzSourceTest : public testing::Test {
protected:
    MusicBrainzSourceTest() : m_http(5s, 5s) {
        m_server.route("/ws/2/discid/", [](const RecordedRequest&) {
            return ScriptedReply{200, test::onlineFixture("musicbrainz_discid.json"),
                                 "application/json"};
        });
        m_server.route("/release/", [this](const RecordedRequest&) {
            return ScriptedReply{
                200,
                replaced(test::onlineFixture("coverart_release.json"), "HOST", m_server.address()),
                "application/json"};
        });
        m_server.route("/pictures/", [](const RecordedRequest& request) {
            return ScriptedReply{200, "JPEG of " + request.path(), "image/jpeg"};
        });
    }

    ScriptedHttpServer m_server;
    CurlHttpClient m_http;
    MusicBrainzSource m_source{{m_server.address(), m_server.address()},
                               std::make_shared<RequestPacer>(0ms)};
};

TEST_F(MusicBrainzSourceTest, AnAudioCdIsLookedUpByItsTableOfContents) {
    const CoverPageOutcome page =
        m_source.fetchPage(m_http, {"ignored words", "dvd", "0c025803 3 150 15150 30150 602"}, 1);
    ASSERT_EQ(page.error, "");
    EXPECT_EQ(page.total, 2);
    EXPECT_EQ(page.title, "Results: 2 Items Found");
    ASSERT_EQ(page.items.size(), 2u);
    const std::vector<RecordedRequest> requests = m_server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].query("toc"), "1 3 45150 150 15150 30150");
    EXPECT_EQ(m_source.savedMode({"", "dvd", ""}), "music");

    EXPECT_TRUE(m_source.fetchPage(m_http, {"", "music", "0c025803 3 150 15150 30150 602"}, 2)
                    .items.empty());
}

TEST_F(MusicBrainzSourceTest, TheFrontPictureComesFromTheArchive) {
    CoverItem item;
    item.sourceId = "00000000-0000-4000-8000-000000000001";
    const CoverPictureOutcome thumbnail = m_source.fetchPicture(m_http, item, false);
    const CoverPictureOutcome large = m_source.fetchPicture(m_http, item, true);
    EXPECT_EQ(std::string(thumbnail.bytes.begin(), thumbnail.bytes.end()),
              "JPEG of /pictures/front-250.jpg");
    EXPECT_EQ(std::string(large.bytes.begin(), large.bytes.end()), "JPEG of /pictures/front.jpg");
    EXPECT_EQ(m_server.requests()[0].path(), "/release/" + item.sourceId);
}

TEST_F(MusicBrainzSourceTest, AReleaseWithoutPicturesSaysSo) {
    m_server.route("/release/", [](const RecordedRequest&) {
        return ScriptedReply{404, "Not Found", "text/plain"};
    });
    CoverItem item;
    item.sourceId = "none";
    EXPECT_EQ(m_source.fetchPicture(m_http, item, true).error, kNoFrontPictureMessage);
}

TEST_F(MusicBrainzSourceTest, AnUnreadableReplyIsReported) {
    m_server.route("/ws/2/release/", [](const RecordedRequest&) {
        return ScriptedReply{200, "<html>Service moved</html>", "text/html"};
    });
    const CoverPageOutcome page = m_source.fetchPage(m_http, {"words", "music", ""}, 1);
    EXPECT_EQ(page.error, "MusicBrainz sent a reply that cannot be read.");
    EXPECT_EQ(m_server.requests()[0].query("query"), "words");
}

}  // namespace
}  // namespace vorlix
