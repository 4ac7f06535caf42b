#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/disc_volume.h"

namespace vorlix {

// Opens the disc in an optical drive as the kind of volume it holds: an audio CD; a data disc
// the system has mounted, listed through its mount point; else UDF (preferred over the ISO
// 9660 bridge of a DVD) or ISO 9660 read from the device. A drive without a readable disc
// opens as a volume that is not ready.
std::unique_ptr<DiscVolume> openOpticalDisc(const std::string& device,
                                            const std::optional<std::string>& mountPoint);

// Opens an image file: a CUE sheet of an audio CD, or an image of a UDF or ISO 9660 volume.
// An image that cannot be read opens as a volume that is not ready, with its problem: the file
// or a track file of a CUE sheet is missing or not a regular file, the file is empty or no disc
// image, or it is shorter than the volume it holds.
std::unique_ptr<DiscVolume> openImage(const std::string& path);

}  // namespace vorlix
