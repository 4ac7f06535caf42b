#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/disc_volume.h"

namespace vorlix {

class CQXCatalog;
class DiscDrives;

// What one optical drive holds, as far as the drive list tells it.
struct DriveProbe {
    std::string root;  // "D:\"
    bool ready = false;
    std::optional<VolumeIdentity> identity;
};

// Asks every optical drive for its medium. Drives can take seconds to answer, so this runs
// away from the window; it touches nothing but the drives.
std::vector<DriveProbe> probeDrives(DiscDrives& drives);

// The drive list's row for a probed drive: "D:\Not ready!", "D:\ NAME Nr:12" for a catalogued
// disc (the last one in catalogue order with that serial number), "D:\ LABEL Info N/A" for
// another readable medium, or "D:\Untitled".
std::string driveRowText(const DriveProbe& probe, const CQXCatalog& catalogue);

// The part of a drive row that names the drive for a scan: up to and including the first "\".
std::string scanDriveText(std::string_view rowText);

}  // namespace vorlix
