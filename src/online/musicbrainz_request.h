#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

class SettingsStore;

inline constexpr std::string_view kDefaultMusicBrainzHost = "musicbrainz.org";
inline constexpr std::string_view kDefaultCoverArtHost = "coverartarchive.org";
inline constexpr int kMusicBrainzPageSize = 10;

// Where the release database and its picture archive answer ("host" or "host:port").
struct MusicBrainzHosts {
    std::string musicBrainz{kDefaultMusicBrainzHost};
    std::string coverArt{kDefaultCoverArtHost};
};

MusicBrainzHosts musicBrainzHostsFromSettings(const SettingsStore& settings);

// The releases whose table of contents is close to the disc's, from its stored media tag;
// nullopt for a text that is no media tag.
std::optional<std::string> musicBrainzTocUrl(const MusicBrainzHosts& hosts,
                                             std::string_view mediaTag);
// One page of releases found by keywords.
std::string musicBrainzSearchUrl(const MusicBrainzHosts& hosts, std::string_view keywords,
                                 int page);
// The pictures the archive holds for a release.
std::string coverArtListingUrl(const MusicBrainzHosts& hosts, std::string_view releaseId);
std::string musicBrainzReleasePage(const MusicBrainzHosts& hosts, std::string_view releaseId);

// The program with its version (base, "Vorlix/1.0") and, as MusicBrainz asks of its callers, a
// way to reach the user: the e-mail address of the settings.
std::string describedUserAgent(const std::string& base, const SettingsStore& settings);

}  // namespace vorlix
