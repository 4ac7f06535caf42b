#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/disc/sector_source.h"
#include "platform/disc_volume.h"

namespace vorlix {

// The parts of a UDF volume that identify it: the primary volume descriptor's volume
// identifier and the absolute sector of the File Set Descriptor.
struct UdfVolumeStructure {
    std::string volumeIdentifier;
    std::uint32_t fileSetDescriptorSector = 0;
};

// Whether an Anchor Volume Descriptor Pointer stands at sector 256, which marks a UDF volume.
bool hasUdfAnchor(SectorSource& source);

// Follows the anchor to the main volume descriptor sequence and from the logical volume
// descriptor to the File Set Descriptor, through a physical, sparable or metadata partition.
std::optional<UdfVolumeStructure> readUdfVolumeStructure(SectorSource& source);

// A dstring field (OSTA CS0: 8- or 16-bit characters, used length in the last byte) as UTF-8.
std::string udfDString(const std::uint8_t* field, std::size_t size);

// Label and serial of a UDF volume.
std::optional<VolumeIdentity> readUdfIdentity(SectorSource& source);

}  // namespace vorlix
