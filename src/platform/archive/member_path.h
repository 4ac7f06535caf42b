#pragma once

#include <string>
#include <string_view>
#include <vector>

struct archive_entry;

namespace vorlix {

// A member's path as the archive stores it: UTF-8 when libarchive can give it so whatever the
// process's locale, else the stored bytes as they are.
std::string memberPathname(struct archive_entry* entry);

// The folders and the name a member path stands for, from the archive's root down: "/" and
// "\" both separate (zip files made on Windows use the latter); empty, "." and ".." components
// are dropped, so that no member names a place outside its archive. Empty when nothing is left.
std::vector<std::string> memberPathComponents(std::string_view pathname);

}  // namespace vorlix
