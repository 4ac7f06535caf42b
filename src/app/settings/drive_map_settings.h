#pragma once

#include "app/settings_store.h"
#include "platform/disc/drive_letters.h"

namespace vorlix {

// The drive letters the settings give to optical drives: every value "d:" to "z:" under the
// drive map key that holds a device path.
DriveLetterMap readDriveMap(const SettingsStore& settings);

}  // namespace vorlix
