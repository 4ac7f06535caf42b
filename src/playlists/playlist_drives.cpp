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
        found = m_folders.emplace(key, realFolder(drive, below)).first;
    }
    return found->second;
}

std::string PlaylistDrives::realFolder(const Mounted& drive, std::string_view below) {
    std::string_view held = below;
    while (!held.empty()) {
        if (held.back() == '\\') {
            held.remove_suffix(1);
            continue;
        }
        if (std::optional<std::string> real = m_drives.resolve(drive.root + std::string(held))) {
            std::string folder = *real + withSlashes(below.substr(held.size()));
            return folder.ends_with('/') ? folder : folder + "/";
        }
        const std::size_t slash = held.rfind('\\');
        held = slash == std::string_view::npos ? std::string_view() : held.substr(0, slash);
    }
    return drive.mountPoint + "/" + withSlashes(below);
}

}  // namespace vorlix
