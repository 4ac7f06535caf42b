#include "platform/disc/udf_volume.h"

#include <algorithm>
#include <utility>

#include "platform/disc/file_sector_source.h"

namespace vorlix {

namespace {

std::string childPath(std::string_view path, const std::string& name) {
    return path.empty() ? name : std::string(path) + "/" + name;
}

}  // namespace

std::unique_ptr<UdfVolume> UdfVolume::open(std::unique_ptr<SectorSource> sectors,
                                           std::optional<VolumeIdentity> identity) {
    auto fileSystem = UdfFileSystem::read(*sectors);
    if (!fileSystem || !fileSystem->directory(fileSystem->root())) {
        return nullptr;
    }
    return std::unique_ptr<UdfVolume>(
        new UdfVolume(std::move(sectors), std::move(*fileSystem), std::move(identity)));
}

std::unique_ptr<UdfVolume> UdfVolume::open(const std::string& location,
                                           std::optional<VolumeIdentity> identity) {
    auto sectors = std::make_unique<FileSectorSource>(location);
    if (!sectors->isOpen()) {
        return nullptr;
    }
    return open(std::move(sectors), std::move(identity));
}

UdfVolume::UdfVolume(std::unique_ptr<SectorSource> sectors, UdfFileSystem fileSystem,
                     std::optional<VolumeIdentity> identity)
    : m_sectors(std::move(sectors)),
      m_fileSystem(std::move(fileSystem)),
      m_identity(std::move(identity)) {
    m_folders.emplace(std::string(), m_fileSystem.root());
}

bool UdfVolume::list(std::string_view path, std::vector<DirectoryEntry>& entries) {
    entries.clear();
    const auto folder = folderAt(path);
    const auto found = folder ? m_fileSystem.directory(*folder) : std::nullopt;
    if (!found) {
        return false;
    }
    for (const UdfDirectoryEntry& entry : *found) {
        if (entry.folder) {
            m_folders.insert_or_assign(childPath(path, entry.name), entry.fileEntry);
            entries.push_back({entry.name, true, 0});
        } else {
            const auto size = m_fileSystem.fileSize(entry.fileEntry);
            entries.push_back({entry.name, false, size.value_or(0), !size});
        }
    }
    return true;
}

std::optional<FolderPlace> UdfVolume::place(std::string_view path) {
    const auto folder = folderAt(path);
    if (!folder) {
        return std::nullopt;
    }
    return FolderPlace{folder->partition, folder->block};
}

std::optional<UdfAddress> UdfVolume::folderAt(std::string_view path) {
    if (const auto known = m_folders.find(path); known != m_folders.end()) {
        return known->second;
    }
    // Not met yet: looked up name by name from the root.
    UdfAddress folder = m_fileSystem.root();
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view name = path.substr(0, slash);
        const auto entries = m_fileSystem.directory(folder);
        if (!entries) {
            return std::nullopt;
        }
        const auto child = std::find_if(entries->begin(), entries->end(),
                                        [&](const auto& e) { return e.folder && e.name == name; });
        if (child == entries->end()) {
            return std::nullopt;
        }
        folder = child->fileEntry;
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
    return folder;
}

}  // namespace vorlix
