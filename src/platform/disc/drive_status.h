#pragma once

#include <string>

namespace vorlix {

// Whether the optical drive holds a disc it can read, as the drive itself reports it; an
// empty drive, an open tray or a missing device is not ready.
bool discReady(const std::string& device);

}  // namespace vorlix
