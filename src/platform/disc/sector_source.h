#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorlix {

inline constexpr std::size_t kSectorSize = 2048;
using Sector = std::array<std::uint8_t, kSectorSize>;

// Reads the 2048-byte data sectors of a medium by their logical block address, so that the
// volume structures can be decoded alike from a device, an image or bytes held by a test.
class SectorSource {
public:
    virtual ~SectorSource() = default;

    // False when the sector lies beyond the medium or cannot be read.
    virtual bool read(std::uint32_t lba, Sector& sector) = 0;
};

}  // namespace vorlix
