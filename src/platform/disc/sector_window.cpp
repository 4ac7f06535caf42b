#include "platform/disc/sector_window.h"

#include <algorithm>

namespace vorlix {

SectorWindow::SectorWindow(SectorSource& source, std::uint32_t capacity, std::uint32_t end)
    : m_source(&source), m_capacity(capacity), m_end(end) {}

const std::uint8_t* SectorWindow::sectors(std::uint32_t lba, std::uint32_t count) {
    if (count == 0 || count > m_capacity || lba >= m_end || count > m_end - lba) {
        return nullptr;
    }
    if (lba >= m_first && lba - m_first < m_count && count <= m_count - (lba - m_first)) {
        return m_bytes.data() + std::size_t{lba - m_first} * kSectorSize;
    }
    std::uint32_t ahead = std::min(m_capacity, m_end - lba);
    m_bytes.resize(std::max(m_bytes.size(), std::size_t{ahead} * kSectorSize));
    m_count = 0;
    if (!m_source->readRun(lba, ahead, m_bytes.data())) {
        // The sectors read ahead may be the ones that fail, such as unwritten ones near the end
        // of a disc; those asked for may still be read.
        if (ahead == count || !m_source->readRun(lba, count, m_bytes.data())) {
            return nullptr;
        }
        ahead = count;
    }
    m_first = lba;
    m_count = ahead;
    return m_bytes.data();
}

}  // namespace vorlix
