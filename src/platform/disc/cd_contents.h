#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/disc_volume.h"

namespace vorlix {

// What the table of contents of a CD says: where each track starts, which tracks hold audio,
// and where the last session begins (0 on a single-session disc).
struct CdContents {
    AudioToc toc;
    std::vector<bool> audioTracks;  // one per entry of toc.trackStarts
    std::uint32_t lastSessionStart = 0;

    bool hasAudio() const;
    bool onlyAudio() const;
};

// Whether the file is a CUE sheet, by its extension.
bool isCueSheet(const std::string& path);

// Reads the table of contents of the disc in an optical drive, or of a CUE sheet and the
// BIN file it names; nullopt when there is none.
std::optional<CdContents> readCdContents(const std::string& location);

}  // namespace vorlix
