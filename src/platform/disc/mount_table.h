#pragma once

#include <optional>
#include <string>

namespace vorlix {

// Where a device is mounted, read from a mountinfo table (/proc/self/mountinfo); nullopt when it
// is not mounted. A device named through a link (/dev/cdrom) is found as well.
std::optional<std::string> findMountPoint(const std::string& mountInfoPath,
                                          const std::string& device);

}  // namespace vorlix
