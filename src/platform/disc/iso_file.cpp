#include "platform/disc/iso_file.h"

#include <algorithm>
#include <cstring>

namespace vorlix {

IsoFile::IsoFile(SectorSource& sectors, std::vector<IsoExtent> extents)
    : m_sectors(sectors), m_extents(std::move(extents)) {
    for (const IsoExtent& extent : m_extents) {
        m_size += extent.size;
    }
}

std::optional<std::size_t> IsoFile::read(char* destination, std::size_t n) {
    std::size_t done = 0;
    while (done < n && m_extent < m_extents.size()) {
        const IsoExtent& extent = m_extents[m_extent];
        if (m_offset >= extent.size) {
            ++m_extent;
            m_offset = 0;
            continue;
        }
        if (!m_sectors.read(extent.lba + m_offset / kSectorSize, m_sector)) {
            return std::nullopt;
        }
        const std::size_t within = m_offset % kSectorSize;
        const std::size_t take =
            std::min({n - done, kSectorSize - within, std::size_t{extent.size - m_offset}});
        std::memcpy(destination + done, m_sector.data() + within, take);
        done += take;
        m_offset += static_cast<std::uint32_t>(take);
    }
    return done;
}

bool IsoFile::seek(std::uint64_t position) {
    if (position > m_size) {
        return false;
    }
    m_extent = 0;
    while (m_extent < m_extents.size() && position >= m_extents[m_extent].size) {
        position -= m_extents[m_extent].size;
        ++m_extent;
    }
    m_offset = static_cast<std::uint32_t>(position);
    return true;
}

}  // namespace vorlix
