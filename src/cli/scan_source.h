#pragma once

#include <optional>
#include <string>

#include "platform/disc_drives.h"

namespace vorlix {

// The drive root a "--drive" value names, "E:" or "e:\" giving "E:\"; nullopt for anything
// else.
std::optional<std::string> driveRootOf(const std::string& text);

// What the scan command's SOURCE names, as a source of the drive map: a drive letter ("D:") or
// a device ("/dev/sr0") of an optical drive, an image file, or a folder read as a disc. Throws
// CommandFailure when it names none of them.
DiscSource findScanSource(DiscDrives& drives, const std::string& operand);

}  // namespace vorlix
