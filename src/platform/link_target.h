#pragma once

#include <string>

namespace vorlix {

// The path that a write to path lands on: path itself, or, when it is a symbolic link, the
// file at the end of its chain of links, so that a file kept elsewhere and linked into place is
// replaced where it lives and stays linked. A relative link is taken from the folder of the
// link. A chain that does not end within the system's limit of links is given as it stands,
// so that whoever opens it meets the failure.
std::string linkTarget(const std::string& path);

// The folder part of path, without the final "/": "." for a bare name, "/" for the root.
std::string folderOfPath(const std::string& path);

// The last component of path.
std::string nameOfPath(const std::string& path);

}  // namespace vorlix
