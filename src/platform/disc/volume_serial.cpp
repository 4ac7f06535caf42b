#include "platform/disc/volume_serial.h"

#include <array>

#include "platform/disc/cd_time.h"

namespace vorlix {

namespace {

std::array<std::uint8_t, 4> byteSums(const Sector& sector) {
    std::array<std::uint8_t, 4> sums{};
    for (std::size_t i = 0; i < sector.size(); ++i) {
        sums[i % 4] = static_cast<std::uint8_t>(sums[i % 4] + sector[i]);
    }
    return sums;
}

std::uint32_t packedTime(std::uint32_t lba) {
    const CdTime time = cdTimeOfSector(lba);
    return time.minutes << 16 | time.seconds << 8 | time.frames;
}

}  // namespace

std::uint32_t isoVolumeSerial(const Sector& descriptor) {
    const auto s = byteSums(descriptor);
    return std::uint32_t{s[0]} << 24 | std::uint32_t{s[1]} << 16 | std::uint32_t{s[2]} << 8 | s[3];
}

std::uint32_t udfVolumeSerial(const Sector& fileSetDescriptor) {
    const auto s = byteSums(fileSetDescriptor);
    return std::uint32_t{s[3]} << 24 | std::uint32_t{s[2]} << 16 | std::uint32_t{s[1]} << 8 | s[0];
}

std::uint32_t audioDiscSerial(const AudioToc& toc) {
    std::uint32_t serial = 0;
    for (const std::uint32_t start : toc.trackStarts) {
        serial += packedTime(start);
    }
    if (!toc.trackStarts.empty() && toc.trackStarts.size() < 3) {
        serial += toc.leadOut - toc.trackStarts.front();
    }
    return serial;
}

}  // namespace vorlix
