#include "platform/disc/udf_file_system.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace vorlix {

namespace {

enum TagId : std::uint16_t {
    kFileSetTag = 256,
    kFileIdentifierTag = 257,
    kAllocationExtentTag = 258,
    kFileEntryTag = 261,
    kExtendedFileEntryTag = 266,
};

enum AllocationType : unsigned { kShortAllocation = 0, kLongAllocation = 1, kInline = 3 };
enum ExtentType : unsigned { kRecorded = 0, kNextAllocationExtent = 3 };
enum Characteristics : std::uint8_t { kDirectory = 0x02, kDeleted = 0x04, kParent = 0x08 };

// No real directory comes near these; they keep a damaged length or chain from taking memory
// and time.
constexpr std::uint64_t kMaxDirectoryBytes = 64u << 20;
constexpr int kMaxAllocationExtents = 64;
constexpr std::size_t kFileIdentifierSize = 38;

std::uint16_t u16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

std::uint32_t u32(const std::uint8_t* at) {
    return std::uint32_t{at[0]} | std::uint32_t{at[1]} << 8 | std::uint32_t{at[2]} << 16 |
           std::uint32_t{at[3]} << 24;
}

std::uint64_t u64(const std::uint8_t* at) {
    return std::uint64_t{u32(at)} | std::uint64_t{u32(at + 4)} << 32;
}

}  // namespace

struct UdfFileSystem::FileEntry {
    UdfAddress address;
    std::uint64_t length = 0;
    unsigned allocation = 0;
    std::string descriptors;  // the allocation descriptors, or the data itself when inline
};

UdfFileSystem::UdfFileSystem(SectorSource& source, std::vector<UdfPartitionReference> partitions)
    : m_source(&source), m_partitions(std::move(partitions)) {
    for (const UdfPartitionReference& reference : m_partitions) {
        m_metadata.push_back(metadataExtents(reference));
    }
}

std::optional<UdfFileSystem> UdfFileSystem::read(SectorSource& source) {
    const auto structure = readUdfVolumeStructure(source);
    Sector fileSet;
    if (!structure || !source.read(structure->fileSetDescriptorSector, fileSet) ||
        udfTagId(fileSet.data()) != kFileSetTag) {
        return std::nullopt;
    }
    UdfFileSystem fileSystem(source, structure->partitions);
    constexpr std::size_t kRootIcb = 400;
    fileSystem.m_root = {u16(&fileSet[kRootIcb + 8]), u32(&fileSet[kRootIcb + 4])};
    return fileSystem;
}

std::optional<std::vector<UdfDirectoryEntry>> UdfFileSystem::directory(UdfAddress address) {
    const auto entry = fileEntry(address);
    if (!entry || entry->length > kMaxDirectoryBytes) {
        return std::nullopt;
    }
    const auto data = contents(*entry);
    if (!data) {
        return std::nullopt;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data->data());
    std::vector<UdfDirectoryEntry> entries;
    std::size_t at = 0;
    while (at + kFileIdentifierSize <= data->size() && udfTagId(bytes + at) == kFileIdentifierTag) {
        const std::uint8_t* identifier = bytes + at;
        const std::uint8_t characteristics = identifier[18];
        const std::size_t nameSize = identifier[19];
        const std::size_t nameAt = kFileIdentifierSize + u16(identifier + 36);
        if (at + nameAt + nameSize > data->size()) {
            break;
        }
        if ((characteristics & (kParent | kDeleted)) == 0 && nameSize > 0) {
            entries.push_back({udfCs0Text(identifier + nameAt, nameSize),
                               (characteristics & kDirectory) != 0,
                               {u16(identifier + 28), u32(identifier + 24)}});
        }
        at += (nameAt + nameSize + 3) & ~std::size_t{3};
    }
    return entries;
}

std::optional<std::uint64_t> UdfFileSystem::fileSize(UdfAddress address) {
    const auto entry = fileEntry(address);
    if (!entry) {
        return std::nullopt;
    }
    return entry->length;
}

std::optional<std::uint32_t> UdfFileSystem::sectorOf(UdfAddress address) const {
    if (address.partition >= m_partitions.size()) {
        return std::nullopt;
    }
    const UdfPartitionReference& reference = m_partitions[address.partition];
    std::uint32_t block = address.block;
    if (reference.metadataFile) {
        const auto& extents = m_metadata[address.partition];
        const auto found = std::find_if(extents.begin(), extents.end(), [&block](const Extent& e) {
            if (block < e.blocks) {
                return true;
            }
            block -= e.blocks;
            return false;
        });
        if (found == extents.end()) {
            return std::nullopt;
        }
        block += found->block;
    }
    if (reference.length == 0 || block >= reference.length) {
        return std::nullopt;
    }
    const std::uint64_t sector = std::uint64_t{reference.start} + block;
    if (sector > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(sector);
}

bool UdfFileSystem::readBlock(UdfAddress address, Sector& sector) {
    const auto where = sectorOf(address);
    return where && m_source->read(*where, sector);
}

std::optional<UdfFileSystem::FileEntry> UdfFileSystem::fileEntry(UdfAddress address) {
    Sector s;
    if (!readBlock(address, s)) {
        return std::nullopt;
    }
    const std::uint16_t id = udfTagId(s.data());
    if (id != kFileEntryTag && id != kExtendedFileEntryTag) {
        return std::nullopt;
    }
    const std::size_t lengthsAt = id == kFileEntryTag ? 168 : 208;
    const std::uint64_t descriptorsAt = std::uint64_t{lengthsAt} + 8 + u32(&s[lengthsAt]);
    const std::uint64_t descriptorsEnd = descriptorsAt + u32(&s[lengthsAt + 4]);
    if (descriptorsEnd > s.size()) {
        return std::nullopt;
    }
    FileEntry entry;
    entry.address = address;
    entry.length = u64(&s[56]);
    entry.allocation = u16(&s[34]) & 7u;
    entry.descriptors.assign(reinterpret_cast<const char*>(s.data() + descriptorsAt),
                             static_cast<std::size_t>(descriptorsEnd - descriptorsAt));
    return entry;
}

// The file's data, read extent by extent; extents allocated but not recorded read as zeros.
std::optional<std::string> UdfFileSystem::contents(const FileEntry& entry) {
    if (entry.allocation == kInline) {
        return entry.descriptors.substr(0, static_cast<std::size_t>(entry.length));
    }
    if (entry.allocation != kShortAllocation && entry.allocation != kLongAllocation) {
        return std::nullopt;
    }
    const std::size_t size = entry.allocation == kShortAllocation ? 8 : 16;
    std::string data;
    std::string descriptors = entry.descriptors;
    Sector sector;
    for (int chain = 0; chain < kMaxAllocationExtents; ++chain) {
        std::optional<UdfAddress> next;
        for (std::size_t at = 0; at + size <= descriptors.size() && !next; at += size) {
            const auto* ad = reinterpret_cast<const std::uint8_t*>(descriptors.data() + at);
            const std::uint32_t bytes = u32(ad) & 0x3FFFFFFF;
            const unsigned type = u32(ad) >> 30;
            const UdfAddress start{size == 16 ? u16(ad + 8) : entry.address.partition, u32(ad + 4)};
            if (bytes == 0 || data.size() >= entry.length) {
                break;
            }
            const auto wanted = static_cast<std::uint32_t>(
                std::min<std::uint64_t>(bytes, entry.length - data.size()));
            if (type == kNextAllocationExtent) {
                next = start;
            } else if (type != kRecorded) {
                data.append(wanted, '\0');
            } else {
                for (std::uint32_t done = 0; done < wanted; done += kSectorSize) {
                    const auto block = static_cast<std::uint32_t>(start.block + done / kSectorSize);
                    if (!readBlock({start.partition, block}, sector)) {
                        return std::nullopt;
                    }
                    data.append(reinterpret_cast<const char*>(sector.data()),
                                std::min<std::size_t>(kSectorSize, wanted - done));
                }
            }
        }
        if (!next || data.size() >= entry.length || !readBlock(*next, sector) ||
            udfTagId(sector.data()) != kAllocationExtentTag) {
            break;
        }
        const std::size_t length = std::min<std::size_t>(u32(&sector[20]), kSectorSize - 24);
        descriptors.assign(reinterpret_cast<const char*>(sector.data() + 24), length);
    }
    if (data.size() < entry.length) {
        return std::nullopt;
    }
    data.resize(static_cast<std::size_t>(entry.length));
    return data;
}

std::vector<UdfFileSystem::Extent> UdfFileSystem::metadataExtents(
    const UdfPartitionReference& reference) {
    std::vector<Extent> extents;
    Sector s;
    if (!reference.metadataFile || !m_source->read(reference.start + *reference.metadataFile, s)) {
        return extents;
    }
    const std::uint16_t id = udfTagId(s.data());
    if ((id != kFileEntryTag && id != kExtendedFileEntryTag) || (u16(&s[34]) & 7u) != 0) {
        return extents;
    }
    const std::size_t lengthsAt = id == kFileEntryTag ? 168 : 208;
    const std::uint64_t at = std::uint64_t{lengthsAt} + 8 + u32(&s[lengthsAt]);
    const std::uint64_t end = std::min<std::uint64_t>(at + u32(&s[lengthsAt + 4]), s.size());
    for (std::uint64_t ad = at; ad + 8 <= end; ad += 8) {
        const std::uint32_t blocks = ((u32(&s[ad]) & 0x3FFFFFFF) + kSectorSize - 1) / kSectorSize;
        if (blocks == 0) {
            break;
        }
        extents.push_back({u32(&s[ad + 4]), blocks});
    }
    return extents;
}

}  // namespace vorlix
