#pragma once

#include <cstdint>

namespace vorlix {

inline constexpr std::uint32_t kFramesPerSecond = 75;
// Sectors before the first track's logical block 0; a sector's time counts them.
inline constexpr std::uint32_t kLeadInSectors = 150;

// A span or a position on a CD in minutes, seconds and frames (1/75 s, one sector each).
struct CdTime {
    std::uint32_t minutes = 0;
    std::uint32_t seconds = 0;
    std::uint32_t frames = 0;
};

CdTime cdTimeOfFrames(std::uint32_t frames);

// The time at which the sector with the given logical block address is read.
CdTime cdTimeOfSector(std::uint32_t lba);

}  // namespace vorlix
