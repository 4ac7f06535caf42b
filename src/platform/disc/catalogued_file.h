#pragma once

#include <memory>
#include <string>

#include "platform/disc_volume.h"

namespace vorlix {

class DiscDrives;

// Opens the file a catalogued path names ("d:\docs\hello.txt") on whatever stands behind its
// drive letter: the real file of a folder source or a mounted disc, else the file read straight
// from the medium (an image, or a disc that is not mounted), each name found without regard to
// case. Null when it is not there. May wait on the drive: not for the user-interface thread.
std::unique_ptr<VolumeFile> openCataloguedFile(DiscDrives& drives,
                                               const std::string& cataloguedPath);

}  // namespace vorlix
