#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/disc/sector_source.h"
#include "platform/disc/udf_volume_structure.h"

namespace vorlix {

// A place on a UDF volume: a logical block of the partition with the given reference number.
struct UdfAddress {
    std::uint16_t partition = 0;
    std::uint32_t block = 0;

    bool operator==(const UdfAddress&) const = default;
};

// One entry of a UDF directory: its name as UTF-8, whether it is a directory, and where its
// file entry lies.
struct UdfDirectoryEntry {
    std::string name;
    bool folder = false;
    UdfAddress fileEntry;
};

// Reads the directories and file sizes of a UDF volume straight from its sectors. Every
// directory is reached by the address of its file entry, which tells a directory met again
// under another name from a new one. Lengths and counts read from the medium are checked and
// bounded, so a damaged volume gives a directory that cannot be read, never a long detour.
class UdfFileSystem {
public:
    // nullopt when the volume structure does not lead to a root directory.
    static std::optional<UdfFileSystem> read(SectorSource& source);

    UdfAddress root() const { return m_root; }
    // The entries of the directory whose file entry lies at address, in recorded order, without
    // the parent entry and deleted entries; nullopt when it cannot be read.
    std::optional<std::vector<UdfDirectoryEntry>> directory(UdfAddress address);
    // The length of the file whose file entry lies at address.
    std::optional<std::uint64_t> fileSize(UdfAddress address);

private:
    struct Extent {
        std::uint32_t block = 0;  // in the partition
        std::uint32_t blocks = 0;
    };
    struct FileEntry;

    UdfFileSystem(SectorSource& source, std::vector<UdfPartitionReference> partitions);

    std::optional<std::uint32_t> sectorOf(UdfAddress address) const;
    bool readBlock(UdfAddress address, Sector& sector);
    std::optional<FileEntry> fileEntry(UdfAddress address);
    std::optional<std::string> contents(const FileEntry& entry);
    std::vector<Extent> metadataExtents(const UdfPartitionReference& reference);

    SectorSource* m_source;
    std::vector<UdfPartitionReference> m_partitions;
    // For each partition reference, the metadata file's extents; empty for other partitions.
    std::vector<std::vector<Extent>> m_metadata;
    UdfAddress m_root;
};

}  // namespace vorlix
