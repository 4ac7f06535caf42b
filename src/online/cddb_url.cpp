#include "online/cddb_url.h"

#include <algorithm>
#include <vector>

#include "core/percent_encoding.h"

namespace vorlix {

namespace {

constexpr std::string_view kCddbPath = "/~cddb/cddb.cgi";
constexpr std::string_view kSubmitPath = "/~cddb/submit.cgi";
constexpr int kProtocolLevel = 6;

// A query parameter whose words the server reads as separated by "+".
std::string wordsParameter(const std::vector<std::string_view>& words) {
    std::string text;
    for (const std::string_view word : words) {
        text += (text.empty() ? "" : "+") + percentEncoded(word);
    }
    return text;
}

std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (end > start) {
            words.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return words;
}

// The greeting names a user and a host; an e-mail address gives both.
std::string helloParameter(const CddbClientIdentity& identity) {
    const std::string_view email = identity.userEmail;
    const std::size_t at = email.find('@');
    std::string_view user = email.substr(0, at);
    std::string_view host = at == std::string_view::npos ? "" : email.substr(at + 1);
    if (user.empty()) {
        user = "anonymous";
    }
    if (host.empty()) {
        host = "localhost";
    }
    return wordsParameter({user, host, identity.appName, identity.appVersion});
}

}  // namespace

std::string freedbHostOf(std::string_view serverText) {
    const std::vector<std::string_view> words = wordsOf(serverText);
    return std::string(words.empty() ? kDefaultFreedbHost : words.front());
}

std::string cddbCommandUrl(const std::string& host, std::string_view command,
                           const CddbClientIdentity& identity) {
    return "http://" + host + std::string(kCddbPath) + "?cmd=" + wordsParameter(wordsOf(command)) +
           "&hello=" + helloParameter(identity) + "&proto=" + std::to_string(kProtocolLevel);
}

std::string cddbSubmitUrl(const std::string& host) {
    return "http://" + host + std::string(kSubmitPath);
}

}  // namespace vorlix
