#include "platform/disc/sector_source.h"

#include <algorithm>

namespace vorlix {

bool SectorSource::readRun(std::uint32_t lba, std::uint32_t count, std::uint8_t* bytes) {
    Sector sector;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!read(lba + i, sector)) {
            return false;
        }
        std::copy(sector.begin(), sector.end(), bytes + std::size_t{i} * kSectorSize);
    }
    return true;
}

}  // namespace vorlix
