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

    // Reads count sectors from lba on into bytes, which holds count * kSectorSize of them;
    // false when any of them cannot be read. Sector by sector unless the source can do better:
    // a directory of thousands of entries is then one request, not one per sector.
    virtual bool readRun(std::uint32_t lba, std::uint32_t count, std::uint8_t* bytes);
};

}  // namespace vorlix
