#include "online/cddb_disc_id.h"

namespace vorlix {

namespace {

constexpr std::uint32_t kFramesPerSecond = 75;

std::uint32_t digitSum(std::uint32_t value) {
    std::uint32_t sum = 0;
    for (; value > 0; value /= 10) {
        sum += value % 10;
    }
    return sum;
}

}  // namespace

std::uint32_t cddbDiscId(const std::vector<std::uint32_t>& offsets, std::uint32_t discSeconds) {
    if (offsets.empty()) {
        return 0;
    }
    std::uint32_t checksum = 0;
    for (const std::uint32_t offset : offsets) {
        checksum += digitSum(offset / kFramesPerSecond);
    }
    const std::uint32_t playingSeconds = discSeconds - offsets.front() / kFramesPerSecond;
    return (checksum % 255) << 24 | (playingSeconds & 0xffff) << 8 |
           (static_cast<std::uint32_t>(offsets.size()) & 0xff);
}

}  // namespace vorlix
