#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "online/cover_search_reply.h"
#include "online/musicbrainz_request.h"

namespace vorlix {

// Releases of a search or a table-of-contents lookup as cover items: title, artists, label's
// catalogue number, date and the release's own ASIN when it has one; prices are unknown.
struct MusicBrainzReleases {
    int total = 0;
    std::vector<CoverItem> items;
};

// nullopt when the reply is not the service's JSON.
std::optional<MusicBrainzReleases> musicBrainzReleasesOf(std::string_view reply,
                                                         const MusicBrainzHosts& hosts);

// The address of the archive's front picture for a release, its 250-pixel thumbnail or the
// full picture; empty when the listing has no front picture.
std::string coverArtFrontOf(std::string_view listing, bool large);

}  // namespace vorlix
