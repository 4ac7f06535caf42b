#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vorlix {

// Where the data of a file or the records of a directory lie: first sector and size in bytes.
struct IsoExtent {
    std::uint32_t lba = 0;
    std::uint32_t size = 0;

    bool operator==(const IsoExtent&) const = default;
};

// One directory record of an ISO 9660 or Joliet directory, as recorded. The views point into
// the bytes it was read from.
struct IsoDirectoryRecord {
    IsoExtent extent;
    std::uint8_t flags = 0;
    std::string_view identifier;
    // Where Rock Ridge entries lie, after the identifier and its padding.
    std::string_view systemUse;

    bool folder() const { return (flags & 0x02) != 0; }
    // The directory's record of itself (".") or of its parent ("..").
    bool selfOrParent() const;
};

// The record at bytes, which holds its length in its first byte and may take up to available
// bytes; nullopt when that length is too short for a record, runs past available, or leaves no
// room for the identifier.
std::optional<IsoDirectoryRecord> readIsoDirectoryRecord(const std::uint8_t* bytes,
                                                         std::size_t available);

}  // namespace vorlix
