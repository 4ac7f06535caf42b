#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// The track files a CUE sheet names in its FILE commands, in order, as written: FILE "a b.bin"
// BINARY gives a b.bin, FILE track.bin WAVE gives track.bin.
std::vector<std::string> cueTrackFiles(std::string_view sheet);

}  // namespace vorlix
