#include "platform/disc/cd_time.h"

namespace vorlix {

CdTime cdTimeOfFrames(std::uint32_t frames) {
    const std::uint32_t totalSeconds = frames / kFramesPerSecond;
    return {totalSeconds / 60, totalSeconds % 60, frames % kFramesPerSecond};
}

CdTime cdTimeOfSector(std::uint32_t lba) {
    return cdTimeOfFrames(lba + kLeadInSectors);
}

}  // namespace vorlix
