#include "platform/disc/iso_directory_record.h"

namespace vorlix {

namespace {

constexpr std::size_t kFixedSize = 33;
constexpr std::size_t kExtentOffset = 2;
constexpr std::size_t kSizeOffset = 10;
constexpr std::size_t kFlagsOffset = 25;
constexpr std::size_t kIdentifierLengthOffset = 32;

// Fields recorded in both byte orders are read from their little-endian half.
std::uint32_t le32(const std::uint8_t* at) {
    return std::uint32_t{at[0]} | std::uint32_t{at[1]} << 8 | std::uint32_t{at[2]} << 16 |
           std::uint32_t{at[3]} << 24;
}

}  // namespace

bool IsoDirectoryRecord::selfOrParent() const {
    return identifier.size() == 1 && (identifier[0] == '\0' || identifier[0] == '\1');
}

std::optional<IsoDirectoryRecord> readIsoDirectoryRecord(const std::uint8_t* bytes,
                                                         std::size_t available) {
    const std::size_t length = bytes[0];
    if (length < kFixedSize + 1 || length > available) {
        return std::nullopt;
    }
    const std::size_t identifierLength = bytes[kIdentifierLengthOffset];
    if (kFixedSize + identifierLength > length) {
        return std::nullopt;
    }
    const auto* text = reinterpret_cast<const char*>(bytes);
    // An identifier of even length is followed by a padding byte.
    const std::size_t systemUse = kFixedSize + identifierLength + (identifierLength % 2 == 0);
    IsoDirectoryRecord record;
    record.extent = {le32(bytes + kExtentOffset), le32(bytes + kSizeOffset)};
    record.flags = bytes[kFlagsOffset];
    record.identifier = std::string_view(text + kFixedSize, identifierLength);
    if (systemUse < length) {
        record.systemUse = std::string_view(text + systemUse, length - systemUse);
    }
    return record;
}

}  // namespace vorlix
