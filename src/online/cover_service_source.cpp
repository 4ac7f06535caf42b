#include "online/cover_service_source.h"

#include "platform/http_client.h"

namespace vorlix {

CoverPageOutcome coverPageFromReply(const std::string& reply, const std::string& mode) {
    CoverPageOutcome page;
    page.total = coverTotalResults(reply);
    page.title = coverResultsTitle(reply);
    for (int place = 1; place <= kCoverItemsPerPage; ++place) {
        std::optional<CoverItem> item = coverItemAt(reply, place, mode);
        if (!item) {
            break;
        }
        page.items.push_back(std::move(*item));
    }
    return page;
}

CoverPageOutcome CoverServiceSource::fetchPage(HttpClient& http, const CoverQuery& query,
                                               int page) const {
    if (!m_service.configured()) {
        return coverPageFailure(std::string(kCoverServiceNotConfigured));
    }
    FetchedBody fetched =
        fetchBody(http, coverKeywordUrl(m_service, query.keywords, query.mode, page));
    if (!fetched.error.empty()) {
        return coverPageFailure(std::move(fetched.error));
    }
    return coverPageFromReply(fetched.body, query.mode);
}

CoverPictureOutcome CoverServiceSource::fetchPicture(HttpClient& http, const CoverItem& item,
                                                     bool large) const {
    std::string url = large ? item.largeImageUrl : item.mediumImageUrl;
    if (url.empty()) {
        return {{}, "The item has no picture."};
    }
    if (url.starts_with("/")) {
        url = "http://" + m_service.host + url;
    }
    FetchedBody fetched = fetchBody(http, url);
    return {{fetched.body.begin(), fetched.body.end()}, std::move(fetched.error)};
}

}  // namespace vorlix
