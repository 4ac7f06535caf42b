#pragma once

#include <atomic>
#include <chrono>
#include <string>

#include "platform/http_client.h"

namespace vorlix {

// HttpClient over libcurl: one easy handle per request, HTTP/1.1 with the Host header, redirects
// followed, and a failure (no connection, time-out) reported in the reply instead of thrown.
class CurlHttpClient final : public HttpClient {
public:
    static constexpr std::chrono::milliseconds kDefaultConnectTimeout{10'000};
    static constexpr std::chrono::milliseconds kDefaultTotalTimeout{30'000};

    // connectTimeout bounds the connection set-up, totalTimeout the whole request with it.
    explicit CurlHttpClient(std::chrono::milliseconds connectTimeout = kDefaultConnectTimeout,
                            std::chrono::milliseconds totalTimeout = kDefaultTotalTimeout,
                            std::string userAgent = defaultUserAgent());
    ~CurlHttpClient() override;
    CurlHttpClient(const CurlHttpClient&) = delete;
    CurlHttpClient& operator=(const CurlHttpClient&) = delete;

    HttpReply get(const std::string& url) override;
    HttpReply post(const std::string& url, const std::string& body,
                   const std::string& headers) override;

    // A request in progress ends soon after the flag is set, with a failure; the flag must
    // outlive the client.
    void setCancelFlag(const std::atomic<bool>* cancelled) { m_cancelled = cancelled; }

    static std::string defaultUserAgent();

private:
    HttpReply perform(const std::string& url, const std::string* body,
                      const std::string& headers) const;

    std::chrono::milliseconds m_connectTimeout;
    std::chrono::milliseconds m_totalTimeout;
    std::string m_userAgent;
    bool m_curlReady = false;
    const std::atomic<bool>* m_cancelled = nullptr;
};

}  // namespace vorlix
