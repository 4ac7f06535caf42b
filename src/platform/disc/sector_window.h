#pragma once

#include <cstdint>
#include <vector>

#include "platform/disc/sector_source.h"

namespace vorlix {

// Sectors read ahead in one request and served from memory while requests fall inside them.
// The directories of an ISO 9660 volume lie one after the other, so the read for one directory
// brings the next ones along. The memory it takes is bounded by its capacity, whatever a
// damaged volume records.
class SectorWindow {
public:
    // capacity: the most sectors held, and so the most one request may ask for. end: the first
    // sector past the medium, where read-ahead stops.
    SectorWindow(SectorSource& source, std::uint32_t capacity, std::uint32_t end);

    // The bytes of count sectors from lba on, valid until the next call; null when count is 0
    // or above the capacity, when the sectors run past the end, or when they cannot be read.
    const std::uint8_t* sectors(std::uint32_t lba, std::uint32_t count);

private:
    SectorSource* m_source;
    std::uint32_t m_capacity;
    std::uint32_t m_end;
    std::vector<std::uint8_t> m_bytes;
    std::uint32_t m_first = 0;
    std::uint32_t m_count = 0;
};

}  // namespace vorlix
