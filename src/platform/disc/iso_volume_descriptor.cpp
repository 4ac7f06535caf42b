#include "platform/disc/iso_volume_descriptor.h"

#include <cstring>
#include <string_view>

#include "core/code_page.h"
#include "platform/disc/joliet_text.h"
#include "platform/disc/volume_serial.h"

namespace vorlix {

namespace {

constexpr std::uint32_t kDescriptorSetStart = 16;
// Real descriptor sets hold a handful of descriptors; the bound keeps a damaged medium without
// terminator from being read to its end.
constexpr std::uint32_t kMaxDescriptors = 64;
constexpr std::uint8_t kPrimaryType = 1;
constexpr std::uint8_t kSupplementaryType = 2;
constexpr std::uint8_t kTerminatorType = 255;
constexpr std::size_t kEscapeSequencesOffset = 88;
constexpr std::size_t kVolumeIdOffset = 40;
constexpr std::size_t kVolumeIdSize = 32;
constexpr std::size_t kVolumeSpaceSizeOffset = 80;
constexpr std::size_t kLogicalBlockSizeOffset = 128;
constexpr std::size_t kRootRecordOffset = 156;
constexpr std::size_t kRootRecordSize = 34;

bool hasStandardId(const Sector& sector) {
    return std::memcmp(&sector[1], "CD001", 5) == 0;
}

bool isJoliet(const Sector& sector) {
    const std::uint8_t* escape = &sector[kEscapeSequencesOffset];
    return sector[0] == kSupplementaryType && escape[0] == '%' && escape[1] == '/' &&
           (escape[2] == '@' || escape[2] == 'C' || escape[2] == 'E');
}

bool isBlank(char32_t c) {
    return c == U' ' || c == U'\0';
}

std::string jolietText(const std::uint8_t* bytes, std::size_t size) {
    std::size_t end = size & ~std::size_t{1};
    while (end >= 2 && isBlank(char32_t{bytes[end - 2]} << 8 | bytes[end - 1])) {
        end -= 2;
    }
    std::string out;
    appendJolietText(std::string_view(reinterpret_cast<const char*>(bytes), end), out);
    return out;
}

std::string primaryText(const std::uint8_t* bytes, std::size_t size) {
    std::size_t end = size;
    while (end > 0 && isBlank(bytes[end - 1])) {
        --end;
    }
    std::string out;
    Windows1252().decode(std::string_view(reinterpret_cast<const char*>(bytes), end), out);
    return out;
}

}  // namespace

std::optional<IsoDescriptor> findIsoDescriptor(SectorSource& source, std::uint32_t sessionStart) {
    std::optional<IsoDescriptor> primary;
    Sector sector;
    for (std::uint32_t i = 0; i < kMaxDescriptors; ++i) {
        if (!source.read(sessionStart + kDescriptorSetStart + i, sector) ||
            !hasStandardId(sector) || sector[0] == kTerminatorType) {
            break;
        }
        if (isJoliet(sector)) {
            return IsoDescriptor{sector, true};
        }
        if (sector[0] == kPrimaryType && !primary) {
            primary = IsoDescriptor{sector, false};
        }
    }
    return primary;
}

std::string isoVolumeLabel(const IsoDescriptor& descriptor) {
    const std::uint8_t* id = &descriptor.sector[kVolumeIdOffset];
    return descriptor.joliet ? jolietText(id, kVolumeIdSize) : primaryText(id, kVolumeIdSize);
}

std::uint64_t isoVolumeBytes(const IsoDescriptor& descriptor) {
    const Sector& s = descriptor.sector;
    const std::uint64_t blocks = std::uint64_t{s[kVolumeSpaceSizeOffset]} |
                                 std::uint64_t{s[kVolumeSpaceSizeOffset + 1]} << 8 |
                                 std::uint64_t{s[kVolumeSpaceSizeOffset + 2]} << 16 |
                                 std::uint64_t{s[kVolumeSpaceSizeOffset + 3]} << 24;
    const std::uint64_t blockSize =
        s[kLogicalBlockSizeOffset] | std::uint64_t{s[kLogicalBlockSizeOffset + 1]} << 8;
    return blocks * blockSize;
}

std::optional<IsoExtent> isoRootDirectory(const IsoDescriptor& descriptor) {
    const auto root =
        readIsoDirectoryRecord(&descriptor.sector[kRootRecordOffset], kRootRecordSize);
    if (!root) {
        return std::nullopt;
    }
    return root->extent;
}

std::optional<VolumeIdentity> readIsoIdentity(SectorSource& source, std::uint32_t sessionStart) {
    auto descriptor = findIsoDescriptor(source, sessionStart);
    if (!descriptor && sessionStart != 0) {
        descriptor = findIsoDescriptor(source, 0);
    }
    if (!descriptor) {
        return std::nullopt;
    }
    return VolumeIdentity{isoVolumeLabel(*descriptor), isoVolumeSerial(descriptor->sector)};
}

}  // namespace vorlix
