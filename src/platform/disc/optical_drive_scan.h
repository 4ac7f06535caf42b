#pragma once

#include <string>
#include <vector>

namespace vorlix {

// The optical drives the kernel knows, by device name ("sr0", "sr1"), in device order: those
// its CD-ROM information (procRoot/sys/dev/cdrom/info) names and those with a block device
// (sysRoot/block/sr*).
std::vector<std::string> opticalDeviceNames(const std::string& procRoot,
                                            const std::string& sysRoot);

}  // namespace vorlix
