#include "net/chat_account_request.h"

#include <array>
#include <utility>

#include "core/percent_encoding.h"
#include "net/chat_account_form.h"

namespace vorlix {

namespace {

constexpr std::string_view kSuccessMark = "<success>";
constexpr std::string_view kErrorMark = "<error>";
constexpr std::string_view kErrorEndMark = "</error>";

std::string_view firstLineOf(std::string_view body) {
    std::string_view line = body.substr(0, body.find('\n'));
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

std::string chatAccountRequestUrl(std::string_view service, const ChatAccountForm& form) {
    std::string url = service.find("://") == std::string_view::npos
                          ? "https://" + std::string(service)
                          : std::string(service);
    while (!url.empty() && url.back() == '/') {
        url.pop_back();
    }
    url += kCreateAccountPath;
    const std::array<std::pair<std::string_view, const std::string*>, 10> fields = {{
        {"name", &form.name},
        {"mail", &form.email},
        {"pass", &form.password},
        {"fname", &form.firstName},
        {"lname", &form.lastName},
        {"country", &form.country},
        {"city", &form.city},
        {"age", &form.age},
        {"gender", &form.gender},
        {"address", &form.address},
    }};
    char separator = '?';
    for (const auto& [key, value] : fields) {
        url += separator;
        url += key;
        url += '=';
        url += percentEncoded(*value);
        separator = '&';
    }
    return url;
}

ChatAccountReply ChatAccountReply::of(std::string_view body) {
    const std::string_view line = firstLineOf(body);
    const auto error = line.find(kErrorMark);
    const auto errorEnd = line.find(kErrorEndMark);
    if (error != std::string_view::npos && errorEnd != std::string_view::npos) {
        const auto start = error + kErrorMark.size();
        return {Kind::Refused,
                std::string(errorEnd > start ? line.substr(start, errorEnd - start) : "")};
    }
    if (line.find(kSuccessMark) != std::string_view::npos) {
        return {Kind::Created, {}};
    }
    return {Kind::Corrupt, {}};
}

}  // namespace vorlix
