#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// A drive root ("D:\", "d:") or a catalogued path ("d:\music\rock\song.mp3") taken apart: the
// drive letter in upper case and the names after it, empty ones dropped.
struct CataloguedPath {
    char letter = '\0';
    std::vector<std::string> components;
};

// nullopt when the text does not begin with a drive letter and a colon.
std::optional<CataloguedPath> parseCataloguedPath(std::string_view path);

// "D:\" for 'D'.
std::string driveRoot(char letter);

}  // namespace vorlix
