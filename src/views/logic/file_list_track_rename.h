#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "views/logic/file_list_row.h"

namespace vorlix {

// The names an audio track row and its entry take when the row's name is edited: the track
// number stays in front of the title, exactly once.
struct TrackNames {
    std::string rowName;    // "03 Intro"
    std::string entryName;  // "03 Intro.cda"
};

// From the row's name before the edit: a name starting with "T" is a track not yet named
// ("Track03", number in its last two characters); any other name carries the number before
// its first space ("03 Intro"). A new text that already starts with the number is taken as it
// is. An empty new text changes nothing (nullopt).
std::optional<TrackNames> renamedTrack(std::string_view rememberedName, std::string_view newText);

// Only audio tracks can be renamed in the list.
bool isAudioTrackRow(const FileListRow& row);

// Gives the row and its entry the new names; false when nothing changed (an empty text).
bool renameTrackRow(FileListRow& row, std::string_view newText);

}  // namespace vorlix
