#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/disc/memory_sectors.h"

// ISO 9660 directory records and Rock Ridge entries made byte by byte, for directories a test
// lays out in memory, damage included.
namespace vorlix::test {

inline void putBoth32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
        bytes[at + 7 - static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
    }
}

enum IsoFlags : std::uint8_t { kIsoFolder = 0x02, kIsoMoreExtents = 0x80 };

// A directory record: the identifier as recorded, padded when its length is even, then the
// system use area.
inline std::string isoRecord(std::string_view identifier, std::uint32_t extent, std::uint32_t size,
                             std::uint8_t flags = 0, std::string_view systemUse = {}) {
    std::string record(33, '\0');
    record += identifier;
    if (identifier.size() % 2 == 0) {
        record += '\0';
    }
    record += systemUse;
    if (record.size() % 2 != 0) {
        record += '\0';
    }
    record[0] = static_cast<char>(record.size());
    putBoth32(record, 2, extent);
    putBoth32(record, 10, size);
    record[25] = static_cast<char>(flags);
    record[32] = static_cast<char>(identifier.size());
    return record;
}

// A directory's records of itself and its parent.
inline std::string isoDots(std::uint32_t extent) {
    return isoRecord(std::string_view("\0", 1), extent, 2048, kIsoFolder) +
           isoRecord("\1", extent, 2048, kIsoFolder);
}

inline std::string nmEntry(std::string_view name, std::uint8_t flags = 0) {
    return std::string("NM") + static_cast<char>(5 + name.size()) + '\1' +
           static_cast<char>(flags) + std::string(name);
}

inline std::string ceEntry(std::uint32_t lba, std::uint32_t offset, std::uint32_t length) {
    std::string entry = std::string("CE") + static_cast<char>(28) + '\1' + std::string(24, '\0');
    putBoth32(entry, 4, lba);
    putBoth32(entry, 12, offset);
    putBoth32(entry, 20, length);
    return entry;
}

inline std::string utf16be(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        out.push_back(static_cast<char>(c >> 8));
        out.push_back(static_cast<char>(c & 0xFF));
    }
    return out;
}

// Lays records one after the other from a sector on, going on in the next sector when a record
// would not fit, as writers do.
class IsoDirectoryLayout {
public:
    IsoDirectoryLayout(MemorySectors& medium, std::uint32_t lba) : m_medium(&medium), m_lba(lba) {
        m_medium->at(m_lba);
    }

    IsoDirectoryLayout& add(const std::string& record) {
        if (m_offset + record.size() > 2048) {
            m_medium->at(++m_lba);
            m_offset = 0;
        }
        m_medium->put(m_lba, m_offset, record);
        m_offset += record.size();
        return *this;
    }

private:
    MemorySectors* m_medium;
    std::uint32_t m_lba;
    std::size_t m_offset = 0;
};

}  // namespace vorlix::test
