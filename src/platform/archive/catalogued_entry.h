#pragma once

#include <string>

#include "platform/archive/opened_entry.h"

namespace vorlix {

class DiscDrives;

// Opens what a catalogued path names on whatever stands behind its drive letter: a file, as
// openCataloguedFile finds it, or else a member of an archive on the drive
// ("d:\backup\old.zip\docs\a.txt", "d:\backup\old.zip\inner.tar\x.txt"). Absent when no part
// of the path is a file on the drive; a failure with its message when the archive is there
// but the member cannot be read from it. May wait on the drive and read through much of the
// archive: not for the user-interface thread.
OpenedEntry openCataloguedEntry(DiscDrives& drives, const std::string& cataloguedPath);

}  // namespace vorlix
