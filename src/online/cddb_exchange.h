#pragma once

#include <string>
#include <string_view>

#include "online/cddb_client_identity.h"
#include "online/cddb_reply.h"
#include "online/freedb_failure.h"
#include "platform/http_client.h"

namespace vorlix {

// A reply with a code below 400, or why there is none.
using CddbOutcome = FreedbOutcome<CddbReply>;

// One request to a freedb server over HTTP, checked from the connection down to the CDDB
// status code; every failure comes back as a FreedbFailure that names the server.
class CddbExchange {
public:
    CddbExchange(HttpClient& http, CddbClientIdentity identity);

    const CddbClientIdentity& identity() const { return m_identity; }

    // command: the CDDB command with its arguments, blank-separated ("cddb read rock 0c025803").
    CddbOutcome command(const std::string& host, std::string_view command);
    // headers: "Name: value" lines separated by "\r\n".
    CddbOutcome submit(const std::string& host, const std::string& headers,
                       const std::string& xmcd);

private:
    static CddbOutcome outcomeOf(const std::string& host, const HttpReply& http);

    HttpClient& m_http;
    CddbClientIdentity m_identity;
};

// A failure for a reply whose code the request does not expect.
FreedbFailure unexpectedReply(const std::string& host, const CddbReply& reply);

}  // namespace vorlix
