#pragma once

#include <string>

namespace vorlix {

struct HttpReply {
    // 0 when no reply came (connection refused, time-out); error then says why.
    long status = 0;
    std::string body;
    std::string error;
};

// Plain HTTP requests, one connection per request. Implementations never throw.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    virtual HttpReply get(const std::string& url) = 0;
    // headers: "Name: value" lines separated by "\r\n", without a trailing one.
    virtual HttpReply post(const std::string& url, const std::string& body,
                           const std::string& headers) = 0;
};

}  // namespace vorlix
