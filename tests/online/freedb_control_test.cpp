#include "online/freedb_control.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "online/freedb_failure.h"
#include "online/scripted_http_server.h"
#include "platform/http/curl_http_client.h"

namespace vorlix {
namespace {

using namespace std::chrono_literals;
using test::RecordedRequest;
using test::ScriptedHttpServer;
using test::ScriptedReply;

// Tracks of 180, 220 and 200 seconds.
constexpr const char* kTag = "13025803 3 150 13650 30150 602";

const ScriptedReply kExactMatch{200, "200 jazz 13025803 The Artist / The Album\r\n"};
const ScriptedReply kInexactMatches{
    200,
    "211 Found inexact matches, list follows (until terminating `.')\r\n"
    "rock 13025803 The Artist / The Album\r\n"
    "misc 13025804 Someone Else / Another Album\r\n"
    ".\r\n"};
const ScriptedReply kEntry{200,
                           "210 rock 13025803 CD database entry follows (until terminating `.')\r\n"
                           "# xmcd\r\n"
                           "#\r\n"
                           "# Track frame offsets:\r\n"
                           "#\t150\r\n"
                           "#\t13650\r\n"
                           "#\t30150\r\n"
                           "#\r\n"
                           "# Disc length: 602 seconds\r\n"
                           "#\r\n"
                           "# Revision: 3\r\n"
                           "# Processed by: cddbd v1.5.2PL0 Copyright (c) Steve Scherf et al.\r\n"
                           "# Submitted via: ExampleRipper 1.0\r\n"
                           "#\r\n"
                           "DISCID=13025803\r\n"
                           "DTITLE=The Artist / The Album\r\n"
                           "DYEAR=1999\r\n"
                           "DGENRE=Rock\r\n"
                           "TTITLE0=Opening\r\n"
                           "TTITLE1=A Title Long Enough To Be Sp\r\n"
                           "TTITLE1=lit Over Two Lines\r\n"
                           "TTITLE2=Caf\xc3\xa9 \\\\ Bar\r\n"
                           "EXTD=Recorded live\r\n"
                           "EXTT0=\r\n"
                           "EXTT1=\r\n"
                           "EXTT2=\r\n"
                           "PLAYORDER=\r\n"
                           ".\r\n"};

struct RaisedError {
    std::int32_t code;
    std::string text;
};

class FreedbControlTest : public testing::Test {
protected:
    explicit FreedbControlTest(std::chrono::milliseconds totalTimeout = 10s)
        : m_http(5s, totalTimeout),
          m_control(
              m_http, [](const std::string&) { return std::nullopt; },
              CddbClientIdentity{"joe@example.org"}) {
        m_control.setErrorHandler([this](std::int32_t code, const std::string& text) {
            m_errors.push_back({code, text});
        });
        m_control.setServer(m_server.address() + " (Test Server)");
        m_server.script("cddb query", kInexactMatches);
        m_server.script("cddb read", kEntry);
    }

    std::vector<std::string> results() const {
        std::vector<std::string> shown{m_control.albumArtist(), m_control.albumTitle(),
                                       m_control.releaseYear(), m_control.albumCategory(),
                                       std::to_string(m_control.trackCount())};
        for (std::int16_t track = 1; track <= m_control.trackCount(); ++track) {
            shown.push_back(m_control.trackTitle(track));
        }
        return shown;
    }

    static std::vector<std::string> foundResults(const std::string& category) {
        return {"The Artist",
                "The Album",
                "1999",
                category,
                "3",
                "Opening",
                "A Title Long Enough To Be Split Over Two Lines",
                "Caf\xc3\xa9 \\ Bar"};
    }

    std::vector<std::string> commands() const {
        std::vector<std::string> sent;
        for (const RecordedRequest& request : m_server.requests()) {
            sent.push_back(request.method == "GET" ? request.query("cmd") : request.path());
        }
        return sent;
    }

    ScriptedHttpServer m_server;
    CurlHttpClient m_http;
    C_uFREEDB m_control;
    std::vector<RaisedError> m_errors;
};

TEST_F(FreedbControlTest, ListsTheServersReachableOverHttp) {
    m_server.script("sites",
                    {200,
                     "210 OK, site information follows (until terminating `.')\r\n"
                     "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Random server\r\n"
                     "gnudb.gnudb.org cddbp 8880 - N000.00 W000.00 Random server\r\n"
                     "us.example.org http 80 /~cddb/cddb.cgi N037.47 W122.25 San Francisco, "
                     "California, USA\r\n"
                     ".\r\n"});

    std::vector<std::string> lines;
    for (std::int16_t i = 1; i <= m_control.serverCount(); ++i) {
        lines.push_back(m_control.serverLine(i));
    }

    EXPECT_EQ(lines, (std::vector<std::string>{
                         "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Random server",
                         "us.example.org http 80 /~cddb/cddb.cgi N037.47 W122.25 San Francisco, "
                         "California, USA"}));
    EXPECT_EQ(m_control.serverLine(0), "");
    EXPECT_EQ(m_control.serverLine(3), "");
    const std::vector<RecordedRequest> requests = m_server.requests();
    ASSERT_EQ(requests.size(), 1u) << "the list is fetched once, not on every count";
    EXPECT_EQ(requests[0].path(), "/~cddb/cddb.cgi");
    EXPECT_EQ(requests[0].query("cmd"), "sites");
    EXPECT_EQ(requests[0].query("hello"), "joe example.org Orvanta 3.0");
    EXPECT_EQ(requests[0].query("proto"), "6");
    EXPECT_TRUE(m_errors.empty());
}

struct MatchCase {
    const char* name;
    ScriptedReply queryReply;
    const char* category;
};

class FreedbLookUp : public FreedbControlTest, public testing::WithParamInterface<MatchCase> {};

TEST_P(FreedbLookUp, ReadsTheFirstMatchIntoTheResults) {
    m_server.script("cddb query", GetParam().queryReply);

    EXPECT_EQ(m_control.lookUp(kTag), 0);

    EXPECT_EQ(results(), foundResults(GetParam().category));
    EXPECT_EQ(commands(), (std::vector<std::string>{
                              "cddb query " + std::string(kTag),
                              "cddb read " + std::string(GetParam().category) + " 13025803"}));
    EXPECT_EQ(m_server.requests().front().query("hello"), "joe example.org Orvanta 3.0");
    EXPECT_TRUE(m_errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Replies, FreedbLookUp,
                         testing::Values(MatchCase{"several_matches", kInexactMatches, "rock"},
                                         MatchCase{"one_match", kExactMatch, "jazz"}),
                         [](const testing::TestParamInfo<MatchCase>& info) {
                             return info.param.name;
                         });

TEST_F(FreedbControlTest, GivesTrackLengthsFromTheMediaTag) {
    ASSERT_EQ(m_control.lookUp(kTag), 0);

    std::vector<std::string> lengths;
    for (std::int16_t track = 0; track <= 4; ++track) {
        const std::int16_t seconds = m_control.trackLength(track);
        lengths.push_back(std::to_string(seconds) + " " + m_control.trackLengthText(seconds));
    }

    EXPECT_EQ(lengths,
              (std::vector<std::string>{"0 0:00", "180 3:00", "220 3:40", "200 3:20", "0 0:00"}));
    EXPECT_EQ(m_control.trackLengthText(5), "0:05");
    EXPECT_EQ(m_control.trackLengthText(4622), "77:02");
    EXPECT_EQ(m_control.trackLengthText(-1), "0:00");
}

struct SubmitCase {
    bool enabled;
    const char* mode;
};

class FreedbSubmit : public FreedbControlTest, public testing::WithParamInterface<SubmitCase> {};

TEST_P(FreedbSubmit, PostsTheEntryAsItsNextRevision) {
    m_server.script("submit", {200, "200 OK, submission has been sent.\r\n"});
    ASSERT_EQ(m_control.lookUp(kTag), 0);
    m_control.setSubmitEnabled(GetParam().enabled);

    EXPECT_EQ(m_control.submit(kTag), 0);

    const std::vector<RecordedRequest> requests = m_server.requests();
    ASSERT_EQ(requests.size(), 3u);
    const RecordedRequest& post = requests.back();
    EXPECT_EQ(post.method, "POST");
    EXPECT_EQ(post.path(), "/~cddb/submit.cgi");
    EXPECT_EQ(post.header("Category"), "rock");
    EXPECT_EQ(post.header("Discid"), "13025803");
    EXPECT_EQ(post.header("User-Email"), "joe@example.org");
    EXPECT_EQ(post.header("Submit-Mode"), GetParam().mode);
    EXPECT_EQ(post.header("Charset"), "UTF-8");
    EXPECT_EQ(post.header("X-Cddbd-Note"), "Sent by Orvanta 3.0");
    EXPECT_EQ(post.body,
              "# xmcd\n#\n# Track frame offsets:\n#\t150\n#\t13650\n#\t30150\n#\n"
              "# Disc length: 602 seconds\n#\n# Revision: 4\n# Submitted via: Orvanta 3.0\n#\n"
              "DISCID=13025803\nDTITLE=The Artist / The Album\nDYEAR=1999\nDGENRE=Rock\n"
              "TTITLE0=Opening\nTTITLE1=A Title Long Enough To Be Split Over Two Lines\n"
              "TTITLE2=Caf\xc3\xa9 \\\\ Bar\nEXTD=Recorded live\nEXTT0=\nEXTT1=\nEXTT2=\n"
              "PLAYORDER=\n");
    EXPECT_EQ(results(), foundResults("rock"));
    EXPECT_TRUE(m_errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, FreedbSubmit,
                         testing::Values(SubmitCase{true, "submit"}, SubmitCase{false, "test"}));

TEST_F(FreedbControlTest, ReportsARejectedSubmission) {
    m_server.script("submit", {200, "501 Entry rejected: DTITLE is not valid.\r\n"});
    ASSERT_EQ(m_control.lookUp(kTag), 0);
    m_control.setSubmitEnabled(true);

    EXPECT_EQ(m_control.submit(kTag), 501);

    ASSERT_EQ(m_errors.size(), 1u);
    EXPECT_EQ(m_errors[0].code, 501);
    EXPECT_EQ(m_errors[0].text, "The freedb server " + m_server.address() +
                                    " reported an error: 501 Entry rejected: DTITLE is not valid.");
}

TEST_F(FreedbControlTest, SubmitsNothingForADiscNotLookedUp) {
    m_server.script("cddb query", {200, "202 No match for disc ID 13025803.\r\n"});
    m_control.lookUp(kTag);
    m_errors.clear();

    EXPECT_EQ(m_control.submit(kTag), freedb_error::kNothingToSubmit);

    EXPECT_EQ(commands(), std::vector<std::string>{"cddb query " + std::string(kTag)});
    ASSERT_EQ(m_errors.size(), 1u);
    EXPECT_EQ(m_errors[0].text,
              "There is no entry of disc 13025803 to submit: look the disc up first");
}

struct FailureCase {
    const char* name;
    std::vector<std::pair<std::string, ScriptedReply>> script;
    std::int32_t code;
    std::string text;  // after "<server address>"
};

class FreedbFailures : public FreedbControlTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(FreedbFailures, RaiseTheErrorEventAndLeaveNoResults) {
    ASSERT_EQ(m_control.lookUp(kTag), 0);
    for (const auto& [command, reply] : GetParam().script) {
        m_server.script(command, reply);
    }

    EXPECT_EQ(m_control.lookUp(kTag), GetParam().code);

    ASSERT_EQ(m_errors.size(), 1u);
    EXPECT_EQ(m_errors[0].code, GetParam().code);
    const std::string& text = GetParam().text;
    EXPECT_EQ(m_errors[0].text, text.substr(0, text.find('@')) + m_server.address() +
                                    text.substr(text.find('@') + 1));
    EXPECT_EQ(results(), (std::vector<std::string>{"", "", "", "", "0"}));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, FreedbFailures,
    testing::Values(
        FailureCase{"http_error",
                    {{"cddb query", {500, "Internal Server Error"}}},
                    500,
                    "The freedb server @ answered with HTTP status 500"},
        FailureCase{"cddb_server_error",
                    {{"cddb query", {200, "402 Server error.\r\n"}}},
                    402,
                    "The freedb server @ reported an error: 402 Server error."},
        FailureCase{"no_match",
                    {{"cddb query", {200, "202 No match for disc ID 13025803.\r\n"}}},
                    202,
                    "No entry for disc 13025803 on the freedb server @"},
        FailureCase{"entry_missing",
                    {{"cddb read", {200, "401 rock 13025803 No such CD entry in database.\r\n"}}},
                    401,
                    "The freedb server @ reported an error: 401 rock 13025803 No such CD entry in "
                    "database."},
        FailureCase{"not_a_cddb_reply",
                    {{"cddb query", {200, "<html>Welcome</html>\r\n"}}},
                    freedb_error::kBadReply,
                    "The freedb server @ sent no CDDB reply"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(FreedbControlTest, RefusesAMalformedMediaTagWithoutAsking) {
    EXPECT_EQ(m_control.lookUp("13025803 3 150"), freedb_error::kBadMediaTag);

    EXPECT_TRUE(m_server.requests().empty());
    ASSERT_EQ(m_errors.size(), 1u);
    EXPECT_EQ(m_errors[0].text, "Not a valid media tag: \"13025803 3 150\"");
}

class UnreachableFreedb : public FreedbControlTest {
protected:
    UnreachableFreedb() : FreedbControlTest(300ms) {}

    void expectUnreachable(const std::string& address, const std::string& reason) {
        ASSERT_EQ(m_errors.size(), 2u);
        for (const RaisedError& error : m_errors) {
            EXPECT_EQ(error.code, freedb_error::kUnreachable);
            EXPECT_EQ(error.text.rfind("Cannot reach the freedb server " + address + ": ", 0), 0u)
                << error.text;
            EXPECT_NE(error.text.find(reason), std::string::npos) << error.text;
        }
        EXPECT_EQ(results(), (std::vector<std::string>{"", "", "", "", "0"}));
    }
};

TEST_F(UnreachableFreedb, ServerThatNeverAnswers) {
    m_server.stayQuiet();

    EXPECT_EQ(m_control.lookUp(kTag), freedb_error::kUnreachable);
    EXPECT_EQ(m_control.serverCount(), 0);

    expectUnreachable(m_server.address(), "Timeout was reached");
}

TEST_F(UnreachableFreedb, ClosedPort) {
    const std::string address = "127.0.0.1:" + std::to_string(test::closedPort());
    m_control.setServer(address);

    EXPECT_EQ(m_control.lookUp(kTag), freedb_error::kUnreachable);
    EXPECT_EQ(m_control.serverCount(), 0);

    expectUnreachable(address, "Couldn't connect to server");
}

}  // namespace
}  // namespace vorlix
