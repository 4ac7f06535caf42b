#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/disc_volume.h"

namespace vorlix {

// How the catalogue identifies an audio CD to freedb: exactly the arguments of the CDDB
// "cddb query" command, separated by single blanks,
//
//     <disc id> <track count> <offset of track 1> ... <offset of track n> <disc seconds>
//
// with the disc id as 8 lower-case hex digits, each offset in frames (1/75 s) counted from the
// start of the lead-in (LBA + 150), and the disc length in whole seconds from the same origin to
// the lead-out ((lead-out LBA + 150) / 75). Tracks at LBA 0, 15000 and 30000 with the lead-out at
// LBA 45000 give "0c025803 3 150 15150 30150 602".
struct MediaTag {
    std::uint32_t discId = 0;
    std::vector<std::uint32_t> offsets;
    std::uint32_t discSeconds = 0;

    bool operator==(const MediaTag&) const = default;
};

inline constexpr std::size_t kMaxAudioTracks = 99;

// nullopt when the table holds no track, more than a CD can, or starts that do not increase.
std::optional<MediaTag> mediaTagOf(const AudioToc& toc);
// nullopt unless the text has the form above with increasing offsets.
std::optional<MediaTag> parseMediaTag(std::string_view text);
std::string formatMediaTag(const MediaTag& tag);
std::string discIdText(std::uint32_t discId);
// Whole seconds from the track's start to the next track or, for the last, to the lead-out;
// index counts from 0, 0 outside the disc.
std::uint32_t trackSeconds(const MediaTag& tag, std::size_t index);

}  // namespace vorlix
