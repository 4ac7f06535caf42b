#pragma once

#include <functional>

#include "app/document_services.h"
#include "playlists/playlist_session.h"

namespace vorlix {

// Makes the playlist windows: modeless ones that the document keeps, and modal ones for
// search results.
class PlaylistWindows final : public PlaylistWindowFactory {
public:
    // closed: runs after a modeless window was closed by the user.
    PlaylistWindows(PlaylistServices services, std::function<void()> closed);

    std::unique_ptr<PlaylistWindow> create(const std::vector<CQXFileData*>& entries) override;
    void runModal(const std::vector<CQXFileData*>& entries) override;

private:
    PlaylistServices m_services;
    std::function<void()> m_closed;
};

}  // namespace vorlix
