#include "online/cddb_exchange.h"

#include <utility>

#include "online/cddb_url.h"

namespace vorlix {

namespace {

constexpr long kHttpOk = 200;
constexpr int kFirstErrorCode = 400;

}  // namespace

CddbExchange::CddbExchange(HttpClient& http, CddbClientIdentity identity)
    : m_http(http), m_identity(std::move(identity)) {}

CddbOutcome CddbExchange::command(const std::string& host, std::string_view command) {
    return outcomeOf(host, m_http.get(cddbCommandUrl(host, command, m_identity)));
}

CddbOutcome CddbExchange::submit(const std::string& host, const std::string& headers,
                                 const std::string& xmcd) {
    return outcomeOf(host, m_http.post(cddbSubmitUrl(host), xmcd, headers));
}

CddbOutcome CddbExchange::outcomeOf(const std::string& host, const HttpReply& http) {
    if (http.status == 0) {
        return FreedbFailure{freedb_error::kUnreachable,
                             "Cannot reach the freedb server " + host + ": " + http.error};
    }
    if (http.status != kHttpOk) {
        return FreedbFailure{static_cast<std::int32_t>(http.status),
                             "The freedb server " + host + " answered with HTTP status " +
                                 std::to_string(http.status)};
    }
    std::optional<CddbReply> reply = parseCddbReply(http.body);
    if (!reply) {
        return FreedbFailure{freedb_error::kBadReply,
                             "The freedb server " + host + " sent no CDDB reply"};
    }
    if (reply->code >= kFirstErrorCode) {
        return FreedbFailure{
            reply->code, "The freedb server " + host + " reported an error: " + reply->statusLine};
    }
    return std::move(*reply);
}

FreedbFailure unexpectedReply(const std::string& host, const CddbReply& reply) {
    return {reply.code,
            "The freedb server " + host + " gave an unexpected reply: " + reply.statusLine};
}

}  // namespace vorlix
