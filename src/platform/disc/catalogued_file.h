#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/disc_volume.h"

namespace vorlix {

class DiscDrives;

// Opens the file a catalogued path names ("d:\docs\hello.txt") on whatever stands behind its
// drive letter: the real file of a folder source or a mounted disc, else the file read straight
// from the medium (an image, or a disc that is not mounted), each name found without regard to
// case. Null when it is not there. May wait on the drive: not for the user-interface thread.
std::unique_ptr<VolumeFile> openCataloguedFile(DiscDrives& drives,
                                               const std::string& cataloguedPath);

// A catalogued path that leads into a file: the file at the longest leading part of the path
// that is a file on the drive, and the names that follow it there ("d:\backup\old.zip\docs\a.txt"
// gives old.zip and {"docs", "a.txt"}).
struct LeadingFile {
    std::unique_ptr<VolumeFile> file;
    std::string path;  // "D:\backup\old.zip"
    std::vector<std::string> rest;
};

// Null file when no leading part of the path, short of the drive's root, is a file there. May
// wait on the drive: not for the user-interface thread.
LeadingFile openLeadingFile(DiscDrives& drives, const std::string& cataloguedPath);

}  // namespace vorlix
