#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// The track files a CUE sheet names in its FILE commands, in order, as written: FILE "a b.bin"
// BINARY gives a b.bin, FILE track.bin WAVE gives track.bin.
std::vector<std::string> cueTrackFiles(std::string_view sheet);

// Whether every TRACK command numbers its track with one or two digits, from 1 to 99, each one
// more than the one before. The CD library indexes its tables by these numbers without checking
// them, and reads far outside them for a sheet that goes back (TRACK 99, then TRACK 02).
bool cueTracksInOrder(std::string_view sheet);

}  // namespace vorlix
