#include "gui/stand_in_playlist_windows.h"

namespace vorlix {

std::unique_ptr<PlaylistWindow> StandInPlaylistWindows::create(const std::vector<CQXFileData*>&) {
    return nullptr;
}

}  // namespace vorlix
