#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/disc_volume.h"

namespace vorlix {

inline constexpr std::size_t kCdaFileSize = 44;

// "Track07.cda": the name under which an audio CD shows a track in its root.
std::string cdaFileName(int track);

// The 44 bytes of a track's .cda file: a RIFF "CDDA" chunk naming the track, the disc serial,
// the track's start sector and length in sectors, and both again as times. Copying a track
// from an audio CD yields exactly these bytes.
std::string cdaFileContent(int track, std::uint32_t discSerial, std::uint32_t startSector,
                           std::uint32_t lengthSectors);

// The content of the track file an audio CD with this table of contents shows under the
// given name (compared without regard to case); nullopt when the name is none of its tracks.
std::optional<std::string> cdaFileOf(const AudioToc& toc, std::string_view name);

}  // namespace vorlix
