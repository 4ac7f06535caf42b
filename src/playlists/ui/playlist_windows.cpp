#include "playlists/ui/playlist_windows.h"

#include "playlists/ui/dialog_playlist.h"

namespace vorlix {

PlaylistWindows::PlaylistWindows(PlaylistServices services, std::function<void()> closed)
    : m_services(services), m_closed(std::move(closed)) {}

std::unique_ptr<PlaylistWindow> PlaylistWindows::create(const std::vector<CQXFileData*>& entries) {
    return std::make_unique<CDialogPlaylist>(entries, m_services, m_closed);
}

void PlaylistWindows::runModal(const std::vector<CQXFileData*>& entries) {
    CDialogPlaylist window(entries, m_services, nullptr);
    window.setModal(true);
    window.exec();
}

}  // namespace vorlix
