#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// The name an audio track is found by on its disc. A track the user has given a title keeps
// its number before the first blank ("07 title.cda"), while the drive still shows it as
// "Track07.cda"; a name that still holds "track" is taken as it is, lower-cased.
std::string playlistTrackName(std::string_view name);

// Whether a catalogued file name is an audio track that needs the mapping above.
bool isAudioTrackName(std::string_view name);

}  // namespace vorlix
