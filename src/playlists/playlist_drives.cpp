#include "playlists/playlist_drives.h"

#include <algorithm>

#include "core/file_data.h"
#include "platform/disc_drives.h"
#include "playlists/playlist_track_name.h"

namespace vorlix {

namespace {

std::string_view belowDriveRoot(std::string_view folder) {
    const std::size_t slash = folder.find('\\');
    return slash == std::string_view::npos ? std::string_view() : folder.substr(slash + 1);
}

std::string withSlashes(std::string_view windowsPath) {
    std::string path(windowsPath);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace

PlaylistDrives::PlaylistDrives(DiscDrives& drives)
    : PlaylistDrives(drives, [&drives] {
          std::vector<DiscSource> optical = drives.opticalDrives();
          std::reverse(optical.begin(), optical.end());
          return optical;
      }()) {}

PlaylistDrives::PlaylistDrives(DiscDrives& drives, const std::vector<DiscSource>& sources)
    : m_drives(drives) {
    for (const DiscSource& drive : sources) {
        if (std::optional<std::string> mountPoint = drives.resolve(drive.root)) {
            m_mounted.push_back({drive.root, std::move(*mountPoint)});
        } else {
            m_unmounted.push_back(drive.root);
        }
    }
}

std::string PlaylistDrives::unmountedMessage() const {
    if (m_unmounted.empty()) {
        return {};
    }
    std::string roots;
    for (const std::string& root : m_unmounted) {
        roots += (roots.empty() ? "" : ", ") + root;
    }
    return "No disc is mounted in " + roots + ": the playlist names no files there.";
}

std::string PlaylistDrives::lines(const std::vector<const CQXFileData*>& entries, bool mapTracks) {
    std::string text;
    for (const CQXFileData* entry : entries) {
        const std::string name = mapTracks && isAudioTrackName(entry->name())
                                     ? playlistTrackName(entry->name())
                                     : std::string(entry->name());
        for (const Mounted& drive : m_mounted) {
            text += folderOn(drive, belowDriveRoot(entry->folder()));
            text += name;
            text += "\r\n";
        }
    }
    return text;
}

const std::string& PlaylistDrives::folderOn(const Mounted& drive, std::string_view below) {
    const std::string key = drive.root + std::string(below);
    auto found = m_folders.find(key);
    if (found == m_folders.end()) {
        std::optional<std::string> real = below.empty() ? std::nullopt : m_drives.resolve(key);
        std::string folder = real ? *real + "/" : drive.mountPoint + "/" + withSlashes(below);
        found = m_folders.emplace(key, std::move(folder)).first;
    }
    return found->second;
}

}  // namespace vorlix
