#include "support/fake_disc_volume.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <utility>

#include "support/memory_file.h"

namespace vorlix::test {

namespace {

// Forwards to a fake that the test keeps, so what the code under test opens stays observable.
class SharedVolume final : public DiscVolume {
public:
    explicit SharedVolume(std::shared_ptr<FakeDiscVolume> volume) : m_volume(std::move(volume)) {}
    bool ready() override { return m_volume->ready(); }
    std::string problem() override { return m_volume->problem(); }
    std::optional<VolumeIdentity> identity() override { return m_volume->identity(); }
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override {
        return m_volume->list(path, entries);
    }
    std::optional<FolderPlace> place(std::string_view path) override {
        return m_volume->place(path);
    }
    std::optional<AudioToc> audioToc() override { return m_volume->audioToc(); }
    std::unique_ptr<VolumeFile> openFile(std::string_view path) override {
        return m_volume->openFile(path);
    }

private:
    std::shared_ptr<FakeDiscVolume> m_volume;
};

char driveLetter(const std::string& root) {
    return root.empty() ? '\0'
                        : static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
}

}  // namespace

FakeDiscVolume::FakeDiscVolume(std::initializer_list<FakeEntry> tree) {
    for (const FakeEntry& entry : tree) {
        add(entry.path, entry.size);
    }
}

std::shared_ptr<FakeDiscVolume> FakeDiscVolume::audioCd(int tracks, std::string label,
                                                        std::uint32_t serial) {
    auto volume = std::make_shared<FakeDiscVolume>();
    AudioToc toc;
    for (int track = 1; track <= tracks; ++track) {
        char name[32];
        std::snprintf(name, sizeof name, "Track%02d.cda", track);
        volume->add(name, 44);
        toc.trackStarts.push_back(static_cast<std::uint32_t>(track - 1) * 15000);
    }
    toc.leadOut = static_cast<std::uint32_t>(tracks) * 15000;
    volume->toc = toc;
    volume->setIdentity(std::move(label), serial);
    return volume;
}

std::shared_ptr<FakeDiscVolume> FakeDiscVolume::noMedium() {
    auto volume = std::make_shared<FakeDiscVolume>();
    volume->isReady = false;
    return volume;
}

void FakeDiscVolume::add(std::string_view path, std::uint64_t size) {
    const bool isFolder = path.ends_with('/');
    if (isFolder) {
        path.remove_suffix(1);
    }
    std::string parent;
    std::size_t start = 0;
    for (std::size_t slash = path.find('/'); slash != std::string_view::npos;
         slash = path.find('/', start)) {
        const std::string name(path.substr(start, slash - start));
        std::vector<DirectoryEntry>& entries = folder(parent);
        const bool known = std::any_of(entries.begin(), entries.end(), [&](const auto& entry) {
            return entry.folder && entry.name == name;
        });
        if (!known) {
            entries.push_back({name, true, 0});
        }
        parent = parent.empty() ? name : parent + "/" + name;
        folder(parent);
        start = slash + 1;
    }
    const std::string name(path.substr(start));
    folder(parent).push_back({name, isFolder, isFolder ? 0 : size});
    if (isFolder) {
        folder(parent.empty() ? name : parent + "/" + name);
    }
}

void FakeDiscVolume::setIdentity(std::string label, std::uint32_t serial) {
    volumeIdentity = VolumeIdentity{std::move(label), serial};
}

std::optional<VolumeIdentity> FakeDiscVolume::identity() {
    return isReady ? volumeIdentity : std::nullopt;
}

bool FakeDiscVolume::list(std::string_view path, std::vector<DirectoryEntry>& entries) {
    listedPaths.emplace_back(path);
    if (onList) {
        onList(path);
    }
    entries.clear();
    const auto found = m_folders.find(std::string(path));
    if (!isReady || found == m_folders.end() || unreadableFolders.contains(std::string(path))) {
        return false;
    }
    entries = found->second;
    return true;
}

std::unique_ptr<VolumeFile> FakeDiscVolume::openFile(std::string_view path) {
    const auto found = contents.find(path);
    return found == contents.end() ? nullptr : std::make_unique<test::MemoryFile>(found->second);
}

std::vector<DirectoryEntry>& FakeDiscVolume::folder(const std::string& path) {
    return m_folders[path];
}

std::shared_ptr<FakeDiscVolume> FakeDiscDrives::addDrive(std::shared_ptr<FakeDiscVolume> volume) {
    const std::lock_guard lock(m_mutex);
    const std::string location = "/dev/sr" + std::to_string(m_sources.size());
    m_provided[location] = volume;
    addSource(DiscSourceKind::OpticalDrive, location);
    return volume;
}

void FakeDiscDrives::provide(const std::string& location, std::shared_ptr<FakeDiscVolume> volume) {
    const std::lock_guard lock(m_mutex);
    m_provided[location] = std::move(volume);
}

std::vector<DiscSource> FakeDiscDrives::opticalDrives() {
    const std::lock_guard lock(m_mutex);
    std::vector<DiscSource> drives;
    std::copy_if(
        m_sources.begin(), m_sources.end(), std::back_inserter(drives),
        [](const DiscSource& source) { return source.kind == DiscSourceKind::OpticalDrive; });
    return drives;
}

DiscSource FakeDiscDrives::addImage(const std::string& path) {
    const std::lock_guard lock(m_mutex);
    return addSource(DiscSourceKind::Image, path);
}

DiscSource FakeDiscDrives::addFolder(const std::string& path) {
    const std::lock_guard lock(m_mutex);
    return addSource(DiscSourceKind::Folder, path);
}

std::unique_ptr<DiscVolume> FakeDiscDrives::open(const std::string& root) {
    if (onOpen) {
        onOpen(root);
    }
    const std::lock_guard lock(m_mutex);
    openedRoots.push_back(root);
    for (std::size_t i = 0; i < m_sources.size(); ++i) {
        if (driveLetter(m_sources[i].root) == driveLetter(root)) {
            return std::make_unique<SharedVolume>(m_volumes[i]);
        }
    }
    return nullptr;
}

std::optional<std::string> FakeDiscDrives::resolve(const std::string&) {
    return std::nullopt;
}

DiscSource FakeDiscDrives::addSource(DiscSourceKind kind, const std::string& location) {
    for (const DiscSource& source : m_sources) {
        if (source.location == location) {
            return source;
        }
    }
    DiscSource source{kind, std::string(1, static_cast<char>('D' + m_sources.size())) + ":\\",
                      location};
    const auto provided = m_provided.find(location);
    m_volumes.push_back(provided != m_provided.end() ? provided->second
                                                     : std::make_shared<FakeDiscVolume>());
    m_sources.push_back(source);
    return source;
}

}  // namespace vorlix::test
