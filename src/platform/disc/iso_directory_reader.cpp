#include "platform/disc/iso_directory_reader.h"

#include <algorithm>
#include <utility>

#include "platform/disc/iso_directory_entry.h"
#include "platform/disc/joliet_text.h"

namespace vorlix {

namespace {

// 256 KiB: the records of about 2,000 entries in one read, and all the memory a directory
// takes to read however large it says it is.
constexpr std::uint32_t kRunSectors = 128;
constexpr std::uint32_t kContinuationSectors = 16;

}  // namespace

IsoDirectoryReader::IsoDirectoryReader(SectorSource& source, std::uint32_t end, bool joliet)
    : m_end(end),
      m_joliet(joliet),
      m_records(source, kRunSectors, end),
      m_continuations(source, kContinuationSectors, end),
      m_rockRidge(m_continuations) {}

bool IsoDirectoryReader::read(IsoExtent extent, std::vector<DirectoryEntry>& entries,
                              std::vector<IsoSubfolder>& subfolders) {
    entries.clear();
    subfolders.clear();
    m_fileExtents.clear();
    const std::uint64_t sectors = (std::uint64_t{extent.size} + kSectorSize - 1) / kSectorSize;
    if (sectors == 0 || extent.lba >= m_end || sectors > m_end - extent.lba) {
        return false;
    }
    for (std::uint32_t done = 0; done < sectors;) {
        const auto run =
            static_cast<std::uint32_t>(std::min<std::uint64_t>(kRunSectors, sectors - done));
        if (!readRun(extent.lba + done, run, entries, subfolders)) {
            entries.clear();
            subfolders.clear();
            m_fileExtents.clear();
            return false;
        }
        done += run;
    }
    return true;
}

bool IsoDirectoryReader::readRun(std::uint32_t lba, std::uint32_t count,
                                 std::vector<DirectoryEntry>& entries,
                                 std::vector<IsoSubfolder>& subfolders) {
    const std::uint8_t* bytes = m_records.sectors(lba, count);
    if (bytes == nullptr) {
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!readSector(bytes + std::size_t{i} * kSectorSize, entries, subfolders)) {
            return false;
        }
    }
    return true;
}

// Records do not cross sector boundaries: a sector's records end at its end or at the first
// length of zero.
bool IsoDirectoryReader::readSector(const std::uint8_t* sector,
                                    std::vector<DirectoryEntry>& entries,
                                    std::vector<IsoSubfolder>& subfolders) {
    for (std::size_t at = 0; at < kSectorSize && sector[at] != 0; at += sector[at]) {
        const auto record = readIsoDirectoryRecord(sector + at, kSectorSize - at);
        if (!record) {
            return false;
        }
        if (!record->selfOrParent()) {
            add(*record, entries, subfolders);
        }
    }
    return true;
}

// A name that cannot stand in a path (empty, "." or "..", which only a damaged record gives)
// is listed as unreadable, so that the walk neither enters it nor leaves it out unsaid.
void IsoDirectoryReader::add(const IsoDirectoryRecord& record, std::vector<DirectoryEntry>& entries,
                             std::vector<IsoSubfolder>& subfolders) {
    std::string name = entryName(record);
    if (name.empty() || name == "." || name == "..") {
        entries.push_back({std::move(name), false, 0, true});
    } else if (record.folder()) {
        subfolders.push_back({name, record.extent});
        entries.push_back({std::move(name), true, 0});
    } else {
        appendIsoEntry(entries, {std::move(name), false, record.extent.size});
        m_fileExtents.emplace_back(entries.size() - 1, record.extent);
    }
}

std::string IsoDirectoryReader::entryName(const IsoDirectoryRecord& record) {
    if (m_rockRidge.read(record.systemUse, m_name)) {
        return isoEntryName(m_name, true);
    }
    if (m_joliet) {
        m_name.clear();
        appendJolietText(record.identifier, m_name);
        return isoEntryName(m_name, false);
    }
    return isoEntryName(record.identifier, false);
}

}  // namespace vorlix
