#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/disc/iso_directory_record.h"
#include "platform/disc/rock_ridge_names.h"
#include "platform/disc/sector_window.h"
#include "platform/disc_volume.h"

namespace vorlix {

// A folder found in a directory: its name as listed and where its own records lie.
struct IsoSubfolder {
    std::string name;
    IsoExtent extent;
};

// Reads ISO 9660 directories into directory entries: the records of many sectors come in one
// read, and each name is decoded on its own bytes (a Rock Ridge name, else Joliet's UCS-2, else
// the recorded d-characters), with nothing to set up per entry.
class IsoDirectoryReader {
public:
    // end: the first sector past the volume, which no directory may reach. joliet: the
    // directories are those of a Joliet descriptor.
    IsoDirectoryReader(SectorSource& source, std::uint32_t end, bool joliet);

    // Replaces entries with the entries of the directory whose records lie at extent, in
    // recorded order, and subfolders with the folders among them; an entry whose name cannot
    // stand in a path (empty, "." or "..") is listed as unreadable. False, both then empty, when
    // the directory runs past the volume's end, a sector of it cannot be read, or a record
    // runs past its sector.
    bool read(IsoExtent extent, std::vector<DirectoryEntry>& entries,
              std::vector<IsoSubfolder>& subfolders);

    // Where the data of the files of the directory read last lie: the index of the file's entry
    // and one extent, in recorded order (a file of 4 GiB or more has several).
    const std::vector<std::pair<std::size_t, IsoExtent>>& fileExtents() const {
        return m_fileExtents;
    }

private:
    bool readRun(std::uint32_t lba, std::uint32_t count, std::vector<DirectoryEntry>& entries,
                 std::vector<IsoSubfolder>& subfolders);
    bool readSector(const std::uint8_t* sector, std::vector<DirectoryEntry>& entries,
                    std::vector<IsoSubfolder>& subfolders);
    void add(const IsoDirectoryRecord& record, std::vector<DirectoryEntry>& entries,
             std::vector<IsoSubfolder>& subfolders);
    std::string entryName(const IsoDirectoryRecord& record);

    std::uint32_t m_end;
    bool m_joliet;
    SectorWindow m_records;
    SectorWindow m_continuations;
    RockRidgeNames m_rockRidge;
    std::string m_name;  // a name while it is decoded
    std::vector<std::pair<std::size_t, IsoExtent>> m_fileExtents;
};

}  // namespace vorlix
