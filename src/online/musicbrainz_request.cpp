#include "online/musicbrainz_request.h"

#include "app/setting_names.h"
#include "app/settings_store.h"
#include "core/percent_encoding.h"
#include "online/media_tag.h"

namespace vorlix {

namespace {

constexpr std::uint32_t kFramesPerSecond = 75;

std::string settingOr(const SettingsStore& settings, std::string_view name,
                      std::string_view fallback) {
    std::string value = settings.readText(setting::kSettingsKey, name, setting::kAddressLimit);
    return value.empty() ? std::string(fallback) : value;
}

// The web service's table of contents: first and last track, the lead-out and every track's
// offset, in frames from the start of the lead-in. The media tag keeps the disc's length in
// whole seconds only, so the lead-out is that many seconds of frames; the service's fuzzy
// lookup allows for the difference.
std::string tocOf(const MediaTag& tag) {
    std::string toc = "1 " + std::to_string(tag.offsets.size()) + " " +
                      std::to_string(tag.discSeconds * kFramesPerSecond);
    for (const std::uint32_t offset : tag.offsets) {
        toc += " " + std::to_string(offset);
    }
    return toc;
}

}  // namespace

MusicBrainzHosts musicBrainzHostsFromSettings(const SettingsStore& settings) {
    return {settingOr(settings, setting::kMusicBrainzHost, kDefaultMusicBrainzHost),
            settingOr(settings, setting::kCoverArtHost, kDefaultCoverArtHost)};
}

std::optional<std::string> musicBrainzTocUrl(const MusicBrainzHosts& hosts,
                                             std::string_view mediaTag) {
    const std::optional<MediaTag> tag = parseMediaTag(mediaTag);
    if (!tag) {
        return std::nullopt;
    }
    return "http://" + hosts.musicBrainz + "/ws/2/discid/-?toc=" + percentEncoded(tocOf(*tag)) +
           "&cdstubs=no&inc=artist-credits+labels&fmt=json";
}

std::string musicBrainzSearchUrl(const MusicBrainzHosts& hosts, std::string_view keywords,
                                 int page) {
    return "http://" + hosts.musicBrainz + "/ws/2/release/?query=" + percentEncoded(keywords) +
           "&limit=" + std::to_string(kMusicBrainzPageSize) +
           "&offset=" + std::to_string((page - 1) * kMusicBrainzPageSize) + "&fmt=json";
}

std::string coverArtListingUrl(const MusicBrainzHosts& hosts, std::string_view releaseId) {
    return "http://" + hosts.coverArt + "/release/" + percentEncoded(releaseId);
}

std::string musicBrainzReleasePage(const MusicBrainzHosts& hosts, std::string_view releaseId) {
    return "http://" + hosts.musicBrainz + "/release/" + percentEncoded(releaseId);
}

std::string describedUserAgent(const std::string& base, const SettingsStore& settings) {
    const std::string email =
        settings.readText(setting::kSettingsKey, setting::kUserEmail, setting::kAddressLimit);
    return base + " (desktop disc catalogue; " +
           (email.empty() ? std::string("no contact given") : email) + ")";
}

}  // namespace vorlix
