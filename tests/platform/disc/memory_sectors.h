#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <string_view>

#include "platform/disc/sector_source.h"

namespace vorlix::test {

// A medium held in memory: the sectors a test has put in; every other sector fails to read.
class MemorySectors final : public SectorSource {
public:
    std::map<std::uint32_t, Sector> sectors;

    Sector& at(std::uint32_t lba) { return sectors[lba]; }

    // Writes bytes into a sector from the given offset on, making the sector when needed.
    void put(std::uint32_t lba, std::size_t offset, std::string_view bytes) {
        std::copy(bytes.begin(), bytes.end(), at(lba).begin() + offset);
    }

    bool read(std::uint32_t lba, Sector& sector) override {
        const auto it = sectors.find(lba);
        if (it == sectors.end()) {
            return false;
        }
        sector = it->second;
        return true;
    }
};

}  // namespace vorlix::test
