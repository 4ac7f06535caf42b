#include "platform/http/curl_http_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>

namespace vorlix {

namespace {

// Far beyond any freedb reply; stops a misbehaving server from filling the memory.
constexpr std::size_t kMaxBodyBytes = 8 * 1024 * 1024;

struct EasyHandleCleanup {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct HeaderListCleanup {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyHandleCleanup>;
using HeaderList = std::unique_ptr<curl_slist, HeaderListCleanup>;

// Runs inside libcurl, so nothing may escape it; returning less than given aborts the transfer.
std::size_t appendToBody(char* data, std::size_t size, std::size_t count, void* target) noexcept {
    const std::size_t bytes = size * count;
    auto& body = *static_cast<std::string*>(target);
    if (body.size() + bytes > kMaxBodyBytes) {
        return 0;
    }
    try {
        body.append(data, bytes);
    } catch (...) {
        return 0;
    }
    return bytes;
}

bool appendHeader(HeaderList& list, const std::string& line) {
    curl_slist* head = curl_slist_append(list.get(), line.c_str());
    if (head == nullptr) {
        return false;
    }
    static_cast<void>(list.release());
    list.reset(head);
    return true;
}

// headers: "\r\n"-separated lines. Curl would announce a body with "Expect: 100-continue",
// which some servers leave unanswered for a second, so that header is switched off.
bool appendHeaders(HeaderList& list, std::string_view headers) {
    std::size_t start = 0;
    while (start < headers.size()) {
        const std::size_t end = std::min(headers.find("\r\n", start), headers.size());
        if (end > start && !appendHeader(list, std::string(headers.substr(start, end - start)))) {
            return false;
        }
        start = end + 2;
    }
    return appendHeader(list, "Expect:");
}

// Runs inside libcurl, at least once a second while a transfer waits; non-zero aborts it.
int abortWhenCancelled(void* cancelled, curl_off_t, curl_off_t, curl_off_t, curl_off_t) noexcept {
    return static_cast<const std::atomic<bool>*>(cancelled)->load() ? 1 : 0;
}

HttpReply failure(std::string error) {
    HttpReply reply;
    reply.error = std::move(error);
    return reply;
}

std::string describe(CURLcode code, const char* detail) {
    std::string text = curl_easy_strerror(code);
    if (detail[0] != '\0') {
        text += " (";
        text += detail;
        text += ")";
    }
    return text;
}

}  // namespace

CurlHttpClient::CurlHttpClient(std::chrono::milliseconds connectTimeout,
                               std::chrono::milliseconds totalTimeout, std::string userAgent)
    : m_connectTimeout(connectTimeout),
      m_totalTimeout(totalTimeout),
      m_userAgent(std::move(userAgent)),
      m_curlReady(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}

CurlHttpClient::~CurlHttpClient() {
    if (m_curlReady) {
        curl_global_cleanup();
    }
}

HttpReply CurlHttpClient::get(const std::string& url) {
    return perform(url, nullptr, {});
}

HttpReply CurlHttpClient::post(const std::string& url, const std::string& body,
                               const std::string& headers) {
    return perform(url, &body, headers);
}

std::string CurlHttpClient::defaultUserAgent() {
    return "Vorlix/" VORLIX_VERSION;
}

HttpReply CurlHttpClient::perform(const std::string& url, const std::string* body,
                                  const std::string& headers) const {
    try {
        if (!m_curlReady) {
            return failure("the HTTP library could not be initialised");
        }
        EasyHandle handle(curl_easy_init());
        HeaderList headerList;
        if (!handle || !appendHeaders(headerList, headers)) {
            return failure("out of memory");
        }
        HttpReply reply;
        char detail[CURL_ERROR_SIZE] = {};
        CURL* easy = handle.get();
        curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, detail);
        curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
        curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 5L);
        curl_easy_setopt(easy, CURLOPT_POSTREDIR, static_cast<long>(CURL_REDIR_POST_ALL));
        curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS,
                         static_cast<long>(m_connectTimeout.count()));
        curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(m_totalTimeout.count()));
        // Time-outs by signal would disturb the other threads of the program.
        curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy, CURLOPT_USERAGENT, m_userAgent.c_str());
        curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "");
        curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headerList.get());
        curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, appendToBody);
        curl_easy_setopt(easy, CURLOPT_WRITEDATA, &reply.body);
        if (m_cancelled != nullptr) {
            curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
            curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, abortWhenCancelled);
            curl_easy_setopt(easy, CURLOPT_XFERINFODATA,
                             const_cast<void*>(static_cast<const void*>(m_cancelled)));
        }
        if (body != nullptr) {
            curl_easy_setopt(easy, CURLOPT_POST, 1L);
            curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body->data());
            curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE,
                             static_cast<curl_off_t>(body->size()));
        }
        const CURLcode code = curl_easy_perform(easy);
        if (code != CURLE_OK) {
            return failure(describe(code, detail));
        }
        curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &reply.status);
        return reply;
    } catch (...) {
        return failure("out of memory");
    }
}

}  // namespace vorlix
