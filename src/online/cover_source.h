#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "online/cover_search_reply.h"

namespace vorlix {

class HttpClient;

// What the cover dialog searches for: keywords in a mode, or for an audio CD its media tag.
struct CoverQuery {
    std::string keywords;
    std::string mode = "music";
    std::string mediaTag;  // empty: search by keywords
};

// One page of up to ten items; error says why there is none.
struct CoverPageOutcome {
    int total = 0;
    std::string title;  // "Results: 12 Items Found"
    std::vector<CoverItem> items;
    std::string error;
};

CoverPageOutcome coverPageFailure(std::string error);

struct CoverPictureOutcome {
    std::vector<std::uint8_t> bytes;
    std::string error;
};

// A service that offers products with cover pictures. Its calls run on a worker thread and
// send their requests through the client they are given.
class CoverSource {
public:
    virtual ~CoverSource() = default;
    virtual CoverPageOutcome fetchPage(HttpClient& http, const CoverQuery& query,
                                       int page) const = 0;
    // The item's thumbnail, or its large picture for keeping.
    virtual CoverPictureOutcome fetchPicture(HttpClient& http, const CoverItem& item,
                                             bool large) const = 0;
    // The mode a saved cover records.
    virtual std::string savedMode(const CoverQuery& query) const = 0;
};

// The body of a successful reply, or the failure's text in error: the HTTP client's own for no
// reply, the status for a refusal.
struct FetchedBody {
    std::string body;
    std::string error;
};
FetchedBody fetchBody(HttpClient& http, const std::string& url);

}  // namespace vorlix
