#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/disc/sector_source.h"
#include "platform/disc_volume.h"

namespace vorlix {

// A partition as the logical volume refers to it: the sector its block 0 lies in, its length in
// blocks, and for a metadata partition the block of the physical partition that holds the file
// entry of the metadata file, through which its blocks are found.
struct UdfPartitionReference {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
    std::optional<std::uint32_t> metadataFile;
};

// The parts of a UDF volume that identify it and lead to its files: the primary volume
// descriptor's volume identifier, the absolute sector of the File Set Descriptor, and the
// partitions by the reference numbers that addresses on the volume use (a reference whose
// partition is missing has start and length 0).
struct UdfVolumeStructure {
    std::string volumeIdentifier;
    std::uint32_t fileSetDescriptorSector = 0;
    std::vector<UdfPartitionReference> partitions;
};

// Whether an Anchor Volume Descriptor Pointer stands at sector 256, which marks a UDF volume.
bool hasUdfAnchor(SectorSource& source);

// Follows the anchor to the main volume descriptor sequence and from the logical volume
// descriptor to the File Set Descriptor, through a physical, sparable or metadata partition.
std::optional<UdfVolumeStructure> readUdfVolumeStructure(SectorSource& source);

// A dstring field (OSTA CS0: 8- or 16-bit characters, used length in the last byte) as UTF-8.
std::string udfDString(const std::uint8_t* field, std::size_t size);

// OSTA CS0 characters as UTF-8: a compression byte, then 8-bit characters or, after 16 or 255,
// 16-bit ones, high byte first.
std::string udfCs0Text(const std::uint8_t* bytes, std::size_t size);

// The identifier of the descriptor tag at tag (16 bytes) when its checksum holds; 0 otherwise.
std::uint16_t udfTagId(const std::uint8_t* tag);

// Label and serial of a UDF volume.
std::optional<VolumeIdentity> readUdfIdentity(SectorSource& source);

}  // namespace vorlix
