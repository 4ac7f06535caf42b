#include "platform/disc/udf_volume_structure.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <numeric>
#include <string_view>
#include <vector>

#include "core/code_page.h"
#include "platform/disc/volume_serial.h"

namespace vorlix {

namespace {

constexpr std::uint32_t kAnchorSector = 256;
// Bounds that keep a damaged volume from sending the reader around in circles.
constexpr std::uint32_t kMaxSequenceSectors = 256;
constexpr int kMaxSequenceExtents = 8;

enum TagId : std::uint16_t {
    kPrimaryVolumeTag = 1,
    kAnchorTag = 2,
    kVolumePointerTag = 3,
    kPartitionTag = 5,
    kLogicalVolumeTag = 6,
    kTerminatingTag = 8,
    kFileSetTag = 256,
    kFileEntryTag = 261,
    kExtendedFileEntryTag = 266,
};

std::uint16_t u16(const Sector& s, std::size_t at) {
    return static_cast<std::uint16_t>(s[at] | s[at + 1] << 8);
}

std::uint32_t u32(const Sector& s, std::size_t at) {
    return std::uint32_t{s[at]} | std::uint32_t{s[at + 1]} << 8 | std::uint32_t{s[at + 2]} << 16 |
           std::uint32_t{s[at + 3]} << 24;
}

std::uint16_t tagId(const Sector& s) {
    return udfTagId(s.data());
}

bool readTagged(SectorSource& source, std::uint32_t lba, Sector& sector) {
    return source.read(lba, sector) && tagId(sector) != 0;
}

bool readAnchor(SectorSource& source, Sector& anchor) {
    return source.read(kAnchorSector, anchor) && tagId(anchor) == kAnchorTag &&
           u32(anchor, 12) == kAnchorSector;
}

struct PartitionMap {
    std::uint16_t partitionNumber = 0;
    std::optional<std::uint32_t> metadataFile;  // relative to the partition
};

struct LogicalVolume {
    std::uint32_t fileSetBlock = 0;
    std::uint16_t fileSetPartition = 0;
    std::vector<PartitionMap> maps;
};

struct PartitionExtent {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
};

struct VolumeDescriptors {
    std::optional<std::string> volumeIdentifier;
    std::optional<LogicalVolume> logicalVolume;
    std::map<std::uint16_t, PartitionExtent> partitions;
};

LogicalVolume decodeLogicalVolume(const Sector& s) {
    constexpr std::size_t kMapsOffset = 440;
    LogicalVolume volume{u32(s, 252), u16(s, 256), {}};
    const std::uint32_t count = u32(s, 268);
    std::size_t at = kMapsOffset;
    for (std::uint32_t i = 0; i < count && at + 2 <= s.size(); ++i) {
        const std::uint8_t type = s[at];
        const std::uint8_t length = s[at + 1];
        if (length < 6 || at + length > s.size()) {
            break;
        }
        if (type == 1) {
            volume.maps.push_back({u16(s, at + 4), std::nullopt});
        } else if (type == 2 && length >= 48) {
            constexpr std::string_view kMetadata = "*UDF Metadata Partition";
            const bool metadata = std::memcmp(&s[at + 5], kMetadata.data(), kMetadata.size()) == 0;
            volume.maps.push_back(
                {u16(s, at + 38), metadata ? std::optional(u32(s, at + 40)) : std::nullopt});
        } else {
            volume.maps.push_back({});
        }
        at += length;
    }
    return volume;
}

void keepDescriptor(const Sector& s, VolumeDescriptors& found) {
    const std::uint16_t id = tagId(s);
    if (id == kPrimaryVolumeTag && !found.volumeIdentifier) {
        found.volumeIdentifier = udfDString(&s[24], 32);
    } else if (id == kPartitionTag) {
        found.partitions.emplace(u16(s, 22), PartitionExtent{u32(s, 188), u32(s, 192)});
    } else if (id == kLogicalVolumeTag && !found.logicalVolume && u32(s, 212) == kSectorSize) {
        found.logicalVolume = decodeLogicalVolume(s);
    }
}

// Reads a volume descriptor sequence up to its terminator, continuing where a volume
// descriptor pointer leads.
void readSequence(SectorSource& source, std::uint32_t start, std::uint32_t length,
                  VolumeDescriptors& found, int extentsLeft = kMaxSequenceExtents) {
    const std::uint32_t end =
        start + std::min<std::uint32_t>(length / kSectorSize, kMaxSequenceSectors);
    Sector s;
    for (std::uint32_t lba = start; lba < end && readTagged(source, lba, s); ++lba) {
        const std::uint16_t id = tagId(s);
        if (id == kTerminatingTag) {
            return;
        }
        if (id == kVolumePointerTag) {
            if (extentsLeft > 1) {
                readSequence(source, u32(s, 24), u32(s, 20), found, extentsLeft - 1);
            }
            return;
        }
        keepDescriptor(s, found);
    }
}

// The sector holding the given block of the metadata file, whose file entry lies at
// entrySector; the file's allocation descriptors lead from its blocks to the partition's.
std::optional<std::uint32_t> metadataBlockSector(SectorSource& source, std::uint32_t partitionStart,
                                                 std::uint32_t entrySector, std::uint32_t block) {
    Sector s;
    if (!readTagged(source, entrySector, s)) {
        return std::nullopt;
    }
    const std::uint16_t id = tagId(s);
    if (id != kFileEntryTag && id != kExtendedFileEntryTag) {
        return std::nullopt;
    }
    const std::size_t lengthsAt = id == kFileEntryTag ? 168 : 208;
    const std::size_t descriptorsAt = lengthsAt + 8 + u32(s, lengthsAt);
    const std::size_t descriptorsEnd = descriptorsAt + u32(s, lengthsAt + 4);
    const unsigned adType = u16(s, 34) & 7;
    const std::size_t adSize = adType == 0 ? 8 : adType == 1 ? 16 : 0;
    if (adSize == 0 || descriptorsEnd > s.size()) {
        return std::nullopt;
    }
    for (std::size_t at = descriptorsAt; at + adSize <= descriptorsEnd; at += adSize) {
        const std::uint32_t bytes = u32(s, at) & 0x3FFFFFFF;
        const std::uint32_t blocks = (bytes + kSectorSize - 1) / kSectorSize;
        if (blocks == 0) {
            break;
        }
        if (block < blocks) {
            return partitionStart + u32(s, at + 4) + block;
        }
        block -= blocks;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> fileSetSector(SectorSource& source, const VolumeDescriptors& found) {
    const LogicalVolume& volume = *found.logicalVolume;
    if (volume.fileSetPartition >= volume.maps.size()) {
        return std::nullopt;
    }
    const PartitionMap& map = volume.maps[volume.fileSetPartition];
    const auto partition = found.partitions.find(map.partitionNumber);
    if (partition == found.partitions.end()) {
        return std::nullopt;
    }
    const std::uint32_t start = partition->second.start;
    if (map.metadataFile) {
        return metadataBlockSector(source, start, start + *map.metadataFile, volume.fileSetBlock);
    }
    return start + volume.fileSetBlock;
}

std::vector<UdfPartitionReference> partitionReferences(const VolumeDescriptors& found) {
    std::vector<UdfPartitionReference> references;
    for (const PartitionMap& map : found.logicalVolume->maps) {
        const auto partition = found.partitions.find(map.partitionNumber);
        UdfPartitionReference& reference = references.emplace_back();
        if (partition != found.partitions.end()) {
            reference = {partition->second.start, partition->second.length, map.metadataFile};
        }
    }
    return references;
}

}  // namespace

bool hasUdfAnchor(SectorSource& source) {
    Sector anchor;
    return readAnchor(source, anchor);
}

std::optional<UdfVolumeStructure> readUdfVolumeStructure(SectorSource& source) {
    Sector anchor;
    if (!readAnchor(source, anchor)) {
        return std::nullopt;
    }
    VolumeDescriptors found;
    readSequence(source, u32(anchor, 20), u32(anchor, 16), found);
    if (!found.logicalVolume) {
        readSequence(source, u32(anchor, 28), u32(anchor, 24), found);
    }
    if (!found.logicalVolume) {
        return std::nullopt;
    }
    const auto sector = fileSetSector(source, found);
    if (!sector) {
        return std::nullopt;
    }
    return UdfVolumeStructure{found.volumeIdentifier.value_or(std::string()), *sector,
                              partitionReferences(found)};
}

std::string udfDString(const std::uint8_t* field, std::size_t size) {
    if (size < 2) {
        return {};
    }
    const std::size_t used = std::min<std::size_t>(field[size - 1], size - 1);
    if (used < 1 || (field[0] != 8 && field[0] != 16)) {
        return {};
    }
    return udfCs0Text(field, used);
}

std::string udfCs0Text(const std::uint8_t* bytes, std::size_t size) {
    std::string out;
    if (size < 1) {
        return out;
    }
    if (bytes[0] == 16 || bytes[0] == 255) {
        std::string littleEndian;
        for (std::size_t i = 1; i + 1 < size; i += 2) {
            littleEndian.push_back(static_cast<char>(bytes[i + 1]));
            littleEndian.push_back(static_cast<char>(bytes[i]));
        }
        appendUtf8FromUtf16le(littleEndian, out);
        return out;
    }
    for (std::size_t i = 1; i < size; ++i) {
        appendUtf8(bytes[i], out);
    }
    return out;
}

std::uint16_t udfTagId(const std::uint8_t* tag) {
    const unsigned sum = std::accumulate(tag, tag + 16, 0u) - tag[4];
    return (sum & 0xFF) == tag[4] ? static_cast<std::uint16_t>(tag[0] | tag[1] << 8) : 0;
}

std::optional<VolumeIdentity> readUdfIdentity(SectorSource& source) {
    const auto structure = readUdfVolumeStructure(source);
    Sector fileSet;
    if (!structure || !source.read(structure->fileSetDescriptorSector, fileSet) ||
        tagId(fileSet) != kFileSetTag) {
        return std::nullopt;
    }
    return VolumeIdentity{structure->volumeIdentifier, udfVolumeSerial(fileSet)};
}

}  // namespace vorlix
