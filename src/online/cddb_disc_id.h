#pragma once

#include <cstdint>
#include <vector>

namespace vorlix {

// The CDDB disc id of a disc: a checksum of the track start seconds in the top byte, the
// playing time in seconds in the middle 16 bits and the track count in the low byte.
// offsets: every track's start in frames counted from the lead-in (LBA + 150); discSeconds: the
// lead-out's position in whole seconds from the same origin.
std::uint32_t cddbDiscId(const std::vector<std::uint32_t>& offsets, std::uint32_t discSeconds);

}  // namespace vorlix
