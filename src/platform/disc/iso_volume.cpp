#include "platform/disc/iso_volume.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "platform/disc/iso_file.h"
#include "platform/disc/iso_volume_descriptor.h"

namespace vorlix {

std::unique_ptr<IsoVolume> IsoVolume::open(std::unique_ptr<SectorSource> sectors,
                                           std::uint32_t sessionStart,
                                           std::optional<VolumeIdentity> identity) {
    auto descriptor = findIsoDescriptor(*sectors, sessionStart);
    if (!descriptor && sessionStart != 0) {
        sessionStart = 0;
        descriptor = findIsoDescriptor(*sectors, 0);
    }
    const auto root = descriptor ? isoRootDirectory(*descriptor) : std::nullopt;
    if (!root) {
        return nullptr;
    }
    // The volume space of a later session counts from the disc's start for some writers and
    // from the session's for others; its directories lie below the larger of the two ends.
    const auto end = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(sessionStart + isoVolumeBytes(*descriptor) / kSectorSize,
                                std::numeric_limits<std::uint32_t>::max()));
    std::unique_ptr<IsoVolume> volume(
        new IsoVolume(std::move(sectors), *root, end, descriptor->joliet, std::move(identity)));
    // A volume whose root cannot be listed holds nothing that can be read.
    std::vector<DirectoryEntry> entries;
    if (!volume->list("", entries)) {
        return nullptr;
    }
    return volume;
}

IsoVolume::IsoVolume(std::unique_ptr<SectorSource> sectors, IsoExtent root, std::uint32_t end,
                     bool joliet, std::optional<VolumeIdentity> identity)
    : m_sectors(std::move(sectors)),
      m_root(root),
      m_reader(*m_sectors, end, joliet),
      m_identity(std::move(identity)) {}

bool IsoVolume::list(std::string_view path, std::vector<DirectoryEntry>& entries) {
    entries.clear();
    m_listedPlace.reset();
    const auto folder = folderAt(path);
    std::vector<IsoSubfolder> subfolders;
    if (!folder || !m_reader.read(*folder, entries, subfolders)) {
        return false;
    }
    // folderAt() has left the trail at the folder's parent, or anywhere for the root.
    if (path.empty()) {
        m_trail.clear();
    }
    m_trailPath = std::string(path);
    m_trail.push_back({path.size(), std::move(subfolders), 0});
    m_listedPlace = FolderPlace{0, folder->lba};
    return true;
}

std::unique_ptr<VolumeFile> IsoVolume::openFile(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    const std::string_view folder = slash == std::string_view::npos ? "" : path.substr(0, slash);
    const std::string_view name = path.substr(slash == std::string_view::npos ? 0 : slash + 1);
    std::vector<DirectoryEntry> entries;
    if (!list(folder, entries)) {
        return nullptr;
    }
    const auto found = std::find_if(entries.begin(), entries.end(), [name](const auto& entry) {
        return !entry.folder && !entry.unreadable && entry.name == name;
    });
    if (found == entries.end()) {
        return nullptr;
    }
    const auto index = static_cast<std::size_t>(found - entries.begin());
    std::vector<IsoExtent> extents;
    for (const auto& [entry, extent] : m_reader.fileExtents()) {
        if (entry == index) {
            extents.push_back(extent);
        }
    }
    return std::make_unique<IsoFile>(*m_sectors, std::move(extents));
}

std::optional<FolderPlace> IsoVolume::place(std::string_view path) {
    if (m_listedPlace && path == m_trailPath) {
        return m_listedPlace;
    }
    const auto folder = folderAt(path);
    if (!folder) {
        return std::nullopt;
    }
    return FolderPlace{0, folder->lba};
}

// Found name by name in the folders of the trail, from the deepest one that leads to path;
// folders between it and path are listed on the way, which puts them on the trail.
std::optional<IsoExtent> IsoVolume::folderAt(std::string_view path) {
    if (path.empty()) {
        return m_root;
    }
    if (m_trail.empty() && !list("", m_scratchEntries)) {
        return std::nullopt;
    }
    leaveLevelsOutside(path);
    for (;;) {
        Level& level = m_trail.back();
        const std::string_view rest = path.substr(level.pathSize == 0 ? 0 : level.pathSize + 1);
        const IsoSubfolder* folder = findIn(level, rest);
        if (folder == nullptr) {
            return std::nullopt;
        }
        if (folder->name.size() == rest.size()) {
            return folder->extent;
        }
        const std::string_view between =
            path.substr(0, path.size() - rest.size() + folder->name.size());
        if (!list(between, m_scratchEntries)) {
            return std::nullopt;
        }
    }
}

// Keeps the root and the levels whose folders contain the one at path.
void IsoVolume::leaveLevelsOutside(std::string_view path) {
    while (m_trail.size() > 1) {
        const std::size_t size = m_trail.back().pathSize;
        if (path.size() > size && path[size] == '/' &&
            path.substr(0, size) == std::string_view(m_trailPath).substr(0, size)) {
            return;
        }
        m_trail.pop_back();
    }
}

// The folder whose name begins rest and ends it or is followed by '/'.
const IsoSubfolder* IsoVolume::findIn(Level& level, std::string_view rest) {
    const std::size_t count = level.subfolders.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = (level.next + i) % count;
        const std::string& name = level.subfolders[at].name;
        if (rest.substr(0, name.size()) == name &&
            (rest.size() == name.size() || rest[name.size()] == '/')) {
            level.next = at + 1;
            return &level.subfolders[at];
        }
    }
    return nullptr;
}

}  // namespace vorlix
