#include "online/cover_source.h"

#include "platform/http_client.h"

namespace vorlix {

CoverPageOutcome coverPageFailure(std::string error) {
    CoverPageOutcome outcome;
    outcome.error = std::move(error);
    return outcome;
}

FetchedBody fetchBody(HttpClient& http, const std::string& url) {
    HttpReply reply = http.get(url);
    if (reply.status == 0) {
        return {{}, reply.error};
    }
    if (reply.status >= 300) {
        return {{},
                "The server answered " + url + " with HTTP status " + std::to_string(reply.status) +
                    "."};
    }
    return {std::move(reply.body), {}};
}

}  // namespace vorlix
