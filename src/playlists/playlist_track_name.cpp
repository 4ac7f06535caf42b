#include "playlists/playlist_track_name.h"

#include "core/text_case.h"

namespace vorlix {

std::string playlistTrackName(std::string_view name) {
    std::string lower = lowerCase(name);
    if (lower.find("track") != std::string::npos) {
        return lower;
    }
    // A name without a blank has no number to keep.
    const std::size_t blank = lower.find(' ');
    return "Track" + (blank == std::string::npos ? std::string() : lower.substr(0, blank)) + ".cda";
}

bool isAudioTrackName(std::string_view name) {
    return name.find(".cda") != std::string_view::npos;
}

}  // namespace vorlix
