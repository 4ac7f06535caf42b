#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/disc/iso_directory_record.h"
#include "platform/disc/sector_source.h"
#include "platform/disc_volume.h"

namespace vorlix {

// The ISO 9660 volume descriptor a volume is read by: the Joliet supplementary descriptor when
// the volume has one, else the primary descriptor.
struct IsoDescriptor {
    Sector sector{};
    bool joliet = false;
};

// Reads the volume descriptor set that begins 16 sectors into the session starting at
// sessionStart, up to its terminator.
std::optional<IsoDescriptor> findIsoDescriptor(SectorSource& source, std::uint32_t sessionStart);

// The volume identifier (UTF-16BE in a Joliet descriptor), trailing blanks removed.
std::string isoVolumeLabel(const IsoDescriptor& descriptor);

// The size of the volume in bytes, as its descriptor gives it.
std::uint64_t isoVolumeBytes(const IsoDescriptor& descriptor);

// Where the root directory's records lie, as the descriptor's record of it says; nullopt when
// that record is damaged.
std::optional<IsoExtent> isoRootDirectory(const IsoDescriptor& descriptor);

// Label and serial of the last session's volume (sessionStart 0 on a single-session medium),
// or of the first session when no descriptor set is found at the last one.
std::optional<VolumeIdentity> readIsoIdentity(SectorSource& source, std::uint32_t sessionStart);

}  // namespace vorlix
