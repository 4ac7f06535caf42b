#include "online/musicbrainz_source.h"

#include <algorithm>
#include <utility>

#include "online/musicbrainz_reply.h"

namespace vorlix {

MusicBrainzSource::MusicBrainzSource(MusicBrainzHosts hosts, std::shared_ptr<RequestPacer> pacer)
    : m_hosts(std::move(hosts)), m_pacer(std::move(pacer)) {}

FetchedBody MusicBrainzSource::paced(HttpClient& http, const std::string& url) const {
    m_pacer->waitTurn();
    return fetchBody(http, url);
}

CoverPageOutcome MusicBrainzSource::fetchPage(HttpClient& http, const CoverQuery& query,
                                              int page) const {
    const bool byToc = !query.mediaTag.empty();
    std::optional<std::string> url = byToc ? musicBrainzTocUrl(m_hosts, query.mediaTag)
                                           : musicBrainzSearchUrl(m_hosts, query.keywords, page);
    if (!url) {
        return coverPageFailure("The disc's media tag \"" + query.mediaTag +
                                "\" is no table of contents; please scan the CD again.");
    }
    FetchedBody fetched = paced(http, *url);
    if (!fetched.error.empty()) {
        return coverPageFailure(std::move(fetched.error));
    }
    std::optional<MusicBrainzReleases> releases = musicBrainzReleasesOf(fetched.body, m_hosts);
    if (!releases) {
        return coverPageFailure("MusicBrainz sent a reply that cannot be read.");
    }
    CoverPageOutcome outcome;
    outcome.total = releases->total;
    outcome.title = "Results: " + std::to_string(releases->total) + " Items Found";
    // A table-of-contents lookup answers with every release at once; keyword pages come one
    // request each.
    const std::size_t first = byToc ? static_cast<std::size_t>(page - 1) * kMusicBrainzPageSize : 0;
    const std::size_t end =
        std::min(releases->items.size(), first + static_cast<std::size_t>(kMusicBrainzPageSize));
    for (std::size_t i = first; i < end; ++i) {
        outcome.items.push_back(std::move(releases->items[i]));
    }
    return outcome;
}

CoverPictureOutcome MusicBrainzSource::fetchPicture(HttpClient& http, const CoverItem& item,
                                                    bool large) const {
    FetchedBody listing = paced(http, coverArtListingUrl(m_hosts, item.sourceId));
    // The archive answers 404 for a release it holds no pictures of.
    if (!listing.error.empty() && listing.error.find("status 404") == std::string::npos) {
        return {{}, std::move(listing.error)};
    }
    const std::string url = listing.error.empty() ? coverArtFrontOf(listing.body, large) : "";
    if (url.empty()) {
        return {{}, std::string(kNoFrontPictureMessage)};
    }
    FetchedBody picture = paced(http, url);
    return {{picture.body.begin(), picture.body.end()}, std::move(picture.error)};
}

}  // namespace vorlix
