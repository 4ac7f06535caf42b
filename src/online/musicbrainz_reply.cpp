#include "online/musicbrainz_reply.h"

#include "core/json_value.h"

namespace vorlix {

namespace {

std::string orNotAvailable(std::string text) {
    return text.empty() ? std::string("N/A") : text;
}

CoverItem itemOf(const JsonValue& release, const MusicBrainzHosts& hosts) {
    CoverItem item;
    item.sourceId = release["id"].text();
    item.detailsUrl = musicBrainzReleasePage(hosts, item.sourceId);
    item.asin = release["asin"].text();
    item.productName = release["title"].text();
    for (const JsonValue& credit : release["artist-credit"].elements()) {
        item.people.push_back(credit["name"].text());
    }
    for (const JsonValue& label : release["label-info"].elements()) {
        if (!label["catalog-number"].text().empty()) {
            item.catalog = label["catalog-number"].text();
            break;
        }
    }
    item.releaseDate = orNotAvailable(release["date"].text());
    return item;
}

}  // namespace

std::optional<MusicBrainzReleases> musicBrainzReleasesOf(std::string_view reply,
                                                         const MusicBrainzHosts& hosts) {
    const std::optional<JsonValue> document = parseJson(reply);
    if (!document || (*document)["releases"].isNull()) {
        return std::nullopt;
    }
    MusicBrainzReleases releases;
    for (const JsonValue& release : (*document)["releases"].elements()) {
        releases.items.push_back(itemOf(release, hosts));
    }
    const std::optional<double> count = (*document)["count"].number();
    releases.total = count ? static_cast<int>(*count) : static_cast<int>(releases.items.size());
    return releases;
}

std::string coverArtFrontOf(std::string_view listing, bool large) {
    const std::optional<JsonValue> document = parseJson(listing);
    if (!document) {
        return {};
    }
    for (const JsonValue& image : (*document)["images"].elements()) {
        if (!image["front"].isTrue()) {
            continue;
        }
        if (large) {
            return image["image"].text();
        }
        const std::string thumbnail = image["thumbnails"]["250"].text();
        return thumbnail.empty() ? image["thumbnails"]["small"].text() : thumbnail;
    }
    return {};
}

}  // namespace vorlix
