#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/disc_drives.h"

namespace vorlix {

// Letters given by the settings to optical drives: 'E' -> "/dev/sr0".
using DriveLetterMap = std::map<char, std::string>;

inline constexpr char kFirstDriveLetter = 'D';
inline constexpr char kLastDriveLetter = 'Z';

// Gives the optical devices their drive letters. A device an override names (directly or
// through a link such as /dev/cdrom) takes the override's letter; every other device takes the
// lowest letter from D: on that is neither overridden nor taken by an image or folder, in
// device order. A device named only by an override is a drive as well. Devices beyond Z: get
// no letter. The result is in letter order.
std::vector<DiscSource> assignOpticalLetters(const std::vector<std::string>& devices,
                                             const DriveLetterMap& overrides,
                                             const std::set<char>& taken);

}  // namespace vorlix
