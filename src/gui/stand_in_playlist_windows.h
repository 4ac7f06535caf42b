#pragma once

#include "app/document_services.h"

namespace vorlix {

// Takes the place of the help playlist window until the playlists arrive: it makes none, so
// "QX Help Playlist" opens nothing yet.
class StandInPlaylistWindows final : public PlaylistWindowFactory {
public:
    std::unique_ptr<PlaylistWindow> create(const std::vector<CQXFileData*>& entries) override;
};

}  // namespace vorlix
