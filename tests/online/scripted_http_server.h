#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vorlix::test {

// One request as it reached the server.
struct RecordedRequest {
    std::string method;
    std::string target;   // path and query as sent
    std::string version;  // "HTTP/1.1"
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    std::string path() const;
    // The decoded query parameter ("+" as blank, %XX as its byte); empty when absent.
    std::string query(const std::string& name) const;
    // The value of the first header of that name (compared without regard to case).
    std::string header(const std::string& name) const;
    bool hasHeader(const std::string& name) const;
};

struct ScriptedReply {
    int status = 200;
    std::string body;
    std::string contentType = "text/plain; charset=UTF-8";
};

using ReplyHandler = std::function<ScriptedReply(const RecordedRequest&)>;

// An HTTP server on 127.0.0.1 with an ephemeral port, answering freedb requests from a script:
// (and requests to routed paths through their handlers)
// a GET to the CDDB script by the longest scripted prefix of its "cmd" parameter ("cddb query",
// "cddb read", "sites"), a POST to the submission script by "submit", any other request by its
// path when a reply is scripted for it ("/some/page.php"). It records every request.
// In silent mode it accepts connections and reads the requests but never answers.
class ScriptedHttpServer {
public:
    ScriptedHttpServer();
    ~ScriptedHttpServer();
    ScriptedHttpServer(const ScriptedHttpServer&) = delete;
    ScriptedHttpServer& operator=(const ScriptedHttpServer&) = delete;

    // "127.0.0.1:port", the form a freedb server text takes.
    std::string address() const;
    void script(const std::string& command, ScriptedReply reply);
    // Answers every request whose path (the query left out) starts with the prefix through the
    // handler, the longest prefix winning; for the services other than freedb.
    void route(const std::string& prefix, ReplyHandler handler);
    void stayQuiet();
    std::vector<RecordedRequest> requests() const;

private:
    void serve();
    // Waits for bytes of the connection; -1 once the server stops.
    long receive(int connection, char* buffer, std::size_t size) const;
    void handle(int connection);
    ScriptedReply replyTo(const RecordedRequest& request) const;

    int m_listener = -1;
    int m_wakePipe[2] = {-1, -1};
    std::uint16_t m_port = 0;
    mutable std::mutex m_mutex;
    std::map<std::string, ScriptedReply> m_script;
    std::map<std::string, ReplyHandler> m_routes;
    std::vector<RecordedRequest> m_requests;
    std::vector<int> m_unanswered;
    bool m_quiet = false;
    std::thread m_thread;
};

// A port on 127.0.0.1 that nothing listens on.
std::uint16_t closedPort();

}  // namespace vorlix::test
