#include "platform/http/curl_http_client.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "online/scripted_http_server.h"

namespace vorlix {
namespace {

using test::RecordedRequest;
using test::ScriptedHttpServer;

class CurlHttpClientTest : public testing::Test {
protected:
    std::string url(const std::string& target) const {
        return "http://" + m_server.address() + target;
    }

    ScriptedHttpServer m_server;
    CurlHttpClient m_http;
};

TEST_F(CurlHttpClientTest, GetSendsAnHttp11RequestWithHostAndAgent) {
    m_server.script("sites", {200, "210 OK\r\n.\r\n"});

    const HttpReply reply = m_http.get(url("/~cddb/cddb.cgi?cmd=sites&proto=6"));

    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.body, "210 OK\r\n.\r\n");
    EXPECT_EQ(reply.error, "");
    const std::vector<RecordedRequest> requests = m_server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/~cddb/cddb.cgi?cmd=sites&proto=6");
    EXPECT_EQ(requests[0].version, "HTTP/1.1");
    EXPECT_EQ(requests[0].header("Host"), m_server.address());
    EXPECT_EQ(requests[0].header("User-Agent"), CurlHttpClient::defaultUserAgent());
    EXPECT_EQ(CurlHttpClient::defaultUserAgent().rfind("Vorlix/", 0), 0u);
}

TEST_F(CurlHttpClientTest, PassesAnErrorStatusOnWithItsBody) {
    const HttpReply reply = m_http.get(url("/elsewhere"));

    EXPECT_EQ(reply.status, 404);
    EXPECT_EQ(reply.body, "not found");
    EXPECT_EQ(reply.error, "");
}

TEST_F(CurlHttpClientTest, PostSendsTheBodyAndHeadersAsGiven) {
    m_server.script("submit", {200, "200 OK\r\n"});

    const HttpReply reply = m_http.post(url("/~cddb/submit.cgi"), "line one\nline two\n",
                                        "Category: rock\r\nDiscid: 13025803");

    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.body, "200 OK\r\n");
    const std::vector<RecordedRequest> requests = m_server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_EQ(requests[0].body, "line one\nline two\n");
    EXPECT_EQ(requests[0].header("Category"), "rock");
    EXPECT_EQ(requests[0].header("Discid"), "13025803");
    EXPECT_FALSE(requests[0].hasHeader("Expect"));
}

TEST_F(CurlHttpClientTest, ACancelledRequestEndsWithoutWaitingForTheServer) {
    m_server.stayQuiet();
    const std::atomic<bool> cancelled{true};
    m_http.setCancelFlag(&cancelled);

    const HttpReply reply = m_http.get(url("/~cddb/cddb.cgi?cmd=sites&proto=6"));

    EXPECT_EQ(reply.status, 0);
    EXPECT_NE(reply.error.find("aborted"), std::string::npos) << reply.error;
}

TEST(CurlHttpClient, ReportsAFailedConnectionInTheReply) {
    CurlHttpClient http;

    const HttpReply reply =
        http.get("http://127.0.0.1:" + std::to_string(test::closedPort()) + "/~cddb/cddb.cgi");

    EXPECT_EQ(reply.status, 0);
    EXPECT_NE(reply.error.find("Couldn't connect to server"), std::string::npos) << reply.error;
}

}  // namespace
}  // namespace vorlix
