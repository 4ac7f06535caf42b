#pragma once

#include <string_view>

namespace vorlix {

// Whether a file's name says it is an archive whose members a scan can list: zip, 7z, rar,
// tar (also compressed), cab, iso and the like. A file compressed on its own (.gz, .bz2, .xz)
// holds one file, not members, and is no archive here.
bool isArchiveName(std::string_view name);

}  // namespace vorlix
