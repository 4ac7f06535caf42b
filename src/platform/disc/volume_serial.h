#pragma once

#include <cstdint>

#include "platform/disc/sector_source.h"
#include "platform/disc_volume.h"

namespace vorlix {

// The volume serial numbers Windows reports, so that a disc read here is recognised as the disc
// catalogued there. Each is computed from bytes alone; finding those bytes is the caller's part.

// ISO 9660: the volume descriptor the volume is read by (Joliet's, else the primary one). The
// bytes at positions 4k+j are summed into the byte sum s_j; the serial is s0 s1 s2 s3 from the
// most significant byte down.
std::uint32_t isoVolumeSerial(const Sector& descriptor);

// UDF: the same four sums over the File Set Descriptor's sector, combined the other way round
// (s3 s2 s1 s0 from the most significant byte down).
std::uint32_t udfVolumeSerial(const Sector& fileSetDescriptor);

// Audio CD: the sum of every track start's time packed as minutes, seconds, frames into the
// three low bytes. A disc of one or two tracks adds its length in frames from the first
// track's start to the lead-out.
std::uint32_t audioDiscSerial(const AudioToc& toc);

}  // namespace vorlix
