#include "online/scripted_http_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace vorlix::test {

namespace {

constexpr std::string_view kHeaderEnd = "\r\n\r\n";

int boundSocket() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        throw std::runtime_error("cannot bind a socket on 127.0.0.1");
    }
    return fd;
}

std::uint16_t portOf(int fd) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

std::string decoded(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            result += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
                   hexValue(text[i + 2]) >= 0) {
            result += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            result += text[i];
        }
    }
    return result;
}

RecordedRequest parseHead(std::string_view head) {
    RecordedRequest request;
    std::size_t lineEnd = head.find("\r\n");
    const std::string_view requestLine = head.substr(0, lineEnd);
    const std::size_t firstBlank = requestLine.find(' ');
    const std::size_t secondBlank = requestLine.find(' ', firstBlank + 1);
    request.method = requestLine.substr(0, firstBlank);
    request.target = requestLine.substr(firstBlank + 1, secondBlank - firstBlank - 1);
    request.version = requestLine.substr(secondBlank + 1);
    while (lineEnd != std::string_view::npos && lineEnd + 2 < head.size()) {
        const std::size_t start = lineEnd + 2;
        lineEnd = head.find("\r\n", start);
        const std::string_view line = head.substr(start, lineEnd - start);
        const std::size_t colon = line.find(':');
        std::string_view value = line.substr(colon + 1);
        while (!value.empty() && value.front() == ' ') {
            value.remove_prefix(1);
        }
        request.headers.emplace_back(line.substr(0, colon), value);
    }
    return request;
}

bool sendAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t sent = send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

}  // namespace

std::string RecordedRequest::path() const {
    return target.substr(0, target.find('?'));
}

std::string RecordedRequest::query(const std::string& name) const {
    const std::size_t question = target.find('?');
    if (question == std::string::npos) {
        return {};
    }
    std::string_view rest = std::string_view(target).substr(question + 1);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('&'), rest.size());
        const std::string_view pair = rest.substr(0, end);
        const std::size_t equals = pair.find('=');
        if (pair.substr(0, equals) == name) {
            return equals == std::string_view::npos ? std::string()
                                                    : decoded(pair.substr(equals + 1));
        }
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return {};
}

std::string RecordedRequest::header(const std::string& name) const {
    for (const auto& [headerName, value] : headers) {
        if (strcasecmp(headerName.c_str(), name.c_str()) == 0) {
            return value;
        }
    }
    return {};
}

bool RecordedRequest::hasHeader(const std::string& name) const {
    for (const auto& entry : headers) {
        if (strcasecmp(entry.first.c_str(), name.c_str()) == 0) {
            return true;
        }
    }
    return false;
}

ScriptedHttpServer::ScriptedHttpServer() : m_listener(boundSocket()), m_port(portOf(m_listener)) {
    if (listen(m_listener, 16) != 0 || pipe2(m_wakePipe, O_CLOEXEC) != 0) {
        close(m_listener);
        throw std::runtime_error("cannot start the test HTTP server");
    }
    m_thread = std::thread([this] { serve(); });
}

ScriptedHttpServer::~ScriptedHttpServer() {
    const char stop = 0;
    static_cast<void>(write(m_wakePipe[1], &stop, 1));
    m_thread.join();
    for (const int fd : m_unanswered) {
        close(fd);
    }
    close(m_listener);
    close(m_wakePipe[0]);
    close(m_wakePipe[1]);
}

std::string ScriptedHttpServer::address() const {
    return "127.0.0.1:" + std::to_string(m_port);
}

void ScriptedHttpServer::script(const std::string& command, ScriptedReply reply) {
    const std::lock_guard lock(m_mutex);
    m_script[command] = std::move(reply);
}

void ScriptedHttpServer::route(const std::string& path, ReplyHandler handler) {
    const std::lock_guard lock(m_mutex);
    m_routes[path] = std::move(handler);
}

void ScriptedHttpServer::stayQuiet() {
    const std::lock_guard lock(m_mutex);
    m_quiet = true;
}

std::vector<RecordedRequest> ScriptedHttpServer::requests() const {
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

void ScriptedHttpServer::serve() {
    for (;;) {
        pollfd fds[2] = {{m_wakePipe[0], POLLIN, 0}, {m_listener, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 || fds[0].revents != 0) {
            return;
        }
        const int connection = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) {
            handle(connection);
        }
    }
}

long ScriptedHttpServer::receive(int connection, char* buffer, std::size_t size) const {
    pollfd fds[2] = {{m_wakePipe[0], POLLIN, 0}, {connection, POLLIN, 0}};
    if (poll(fds, 2, -1) <= 0 || fds[0].revents != 0) {
        return -1;
    }
    return recv(connection, buffer, size, 0);
}

void ScriptedHttpServer::handle(int connection) {
    std::string data;
    std::size_t headEnd = std::string::npos;
    std::size_t needed = std::string::npos;
    while (data.size() < needed) {
        char buffer[4096];
        const long received = receive(connection, buffer, sizeof buffer);
        if (received <= 0) {
            close(connection);
            return;
        }
        data.append(buffer, static_cast<std::size_t>(received));
        if (headEnd == std::string::npos &&
            (headEnd = data.find(kHeaderEnd)) != std::string::npos) {
            const std::string length = parseHead(data.substr(0, headEnd)).header("Content-Length");
            needed = headEnd + kHeaderEnd.size() + (length.empty() ? 0 : std::stoul(length));
        }
    }
    RecordedRequest request = parseHead(data.substr(0, headEnd));
    request.body = data.substr(headEnd + kHeaderEnd.size());
    const ScriptedReply reply = replyTo(request);
    bool quiet = false;
    {
        const std::lock_guard lock(m_mutex);
        m_requests.push_back(std::move(request));
        quiet = m_quiet;
    }
    if (quiet) {
        m_unanswered.push_back(connection);
        return;
    }
    sendAll(connection,
            "HTTP/1.1 " + std::to_string(reply.status) + (reply.status == 200 ? " OK" : " Error") +
                "\r\nContent-Type: " + reply.contentType + "\r\nContent-Length: " +
                std::to_string(reply.body.size()) + "\r\nConnection: close\r\n\r\n" + reply.body);
    close(connection);
}

ScriptedReply ScriptedHttpServer::replyTo(const RecordedRequest& request) const {
    ReplyHandler routed;
    {
        const std::lock_guard lock(m_mutex);
        std::size_t longest = 0;
        for (const auto& [prefix, handler] : m_routes) {
            if (request.path().starts_with(prefix) && prefix.size() >= longest) {
                longest = prefix.size();
                routed = handler;
            }
        }
    }
    if (routed) {
        return routed(request);
    }
    std::string key;
    if (request.method == "POST" && request.path() == "/~cddb/submit.cgi") {
        key = "submit";
    } else if (request.method == "GET" && request.path() == "/~cddb/cddb.cgi") {
        key = request.query("cmd");
    } else {
        const std::lock_guard lock(m_mutex);
        const auto scripted = m_script.find(request.path());
        return scripted != m_script.end() ? scripted->second : ScriptedReply{404, "not found"};
    }
    const std::lock_guard lock(m_mutex);
    while (!key.empty()) {
        if (const auto scripted = m_script.find(key); scripted != m_script.end()) {
            return scripted->second;
        }
        const std::size_t lastBlank = key.rfind(' ');
        key.erase(lastBlank == std::string::npos ? 0 : lastBlank);
    }
    return {200, "500 Unrecognized command.\r\n"};
}

std::uint16_t closedPort() {
    const int fd = boundSocket();
    const std::uint16_t port = portOf(fd);
    close(fd);
    return port;
}

}  // namespace vorlix::test
