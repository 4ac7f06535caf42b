#include "platform/disc/linux_disc_drives.h"

#include <filesystem>
#include <utility>

#include "platform/disc/case_insensitive_path.h"
#include "platform/disc/catalogued_path.h"
#include "platform/disc/folder_volume.h"
#include "platform/disc/mount_table.h"
#include "platform/disc/optical_drive_scan.h"
#include "platform/disc/volume_opener.h"

namespace vorlix {

namespace {

std::string absoluteLocation(const std::string& path) {
    std::error_code error;
    const auto resolved = std::filesystem::weakly_canonical(std::filesystem::absolute(path), error);
    return error ? path : resolved.string();
}

std::set<char> lettersOf(const std::vector<DiscSource>& sources) {
    std::set<char> letters;
    for (const DiscSource& source : sources) {
        if (const auto parsed = parseCataloguedPath(source.root)) {
            letters.insert(parsed->letter);
        }
    }
    return letters;
}

}  // namespace

LinuxDiscDrives::LinuxDiscDrives(DriveLetterMap overrides, SystemRoots roots)
    : m_overrides(std::move(overrides)), m_roots(std::move(roots)) {}

std::vector<DiscSource> LinuxDiscDrives::opticalDrives() {
    const std::lock_guard lock(m_mutex);
    return opticalDrivesBesides(m_added);
}

DiscSource LinuxDiscDrives::addImage(const std::string& path) {
    return addSource(DiscSourceKind::Image, path);
}

DiscSource LinuxDiscDrives::addFolder(const std::string& path) {
    return addSource(DiscSourceKind::Folder, path);
}

std::unique_ptr<DiscVolume> LinuxDiscDrives::open(const std::string& root) {
    const auto parsed = parseCataloguedPath(root);
    const auto source = parsed ? sourceOf(parsed->letter) : std::nullopt;
    if (!source) {
        return nullptr;
    }
    switch (source->kind) {
        case DiscSourceKind::OpticalDrive:
            return openOpticalDisc(source->location, mountPointOf(source->location));
        case DiscSourceKind::Image:
            return openImage(source->location);
        case DiscSourceKind::Folder:
            return std::make_unique<FolderVolume>(source->location);
    }
    return nullptr;
}

std::optional<std::string> LinuxDiscDrives::resolve(const std::string& cataloguedPath) {
    const auto parsed = parseCataloguedPath(cataloguedPath);
    const auto source = parsed ? sourceOf(parsed->letter) : std::nullopt;
    if (!source) {
        return std::nullopt;
    }
    std::optional<std::string> base;
    if (source->kind == DiscSourceKind::Folder) {
        base = source->location;
    } else if (source->kind == DiscSourceKind::OpticalDrive) {
        base = mountPointOf(source->location);
    }
    return base ? findPathIgnoringCase(*base, parsed->components) : std::nullopt;
}

std::vector<DiscSource> LinuxDiscDrives::opticalDrivesBesides(
    const std::vector<DiscSource>& added) const {
    std::vector<std::string> devices;
    for (const std::string& name : opticalDeviceNames(m_roots.proc, m_roots.sys)) {
        devices.push_back(m_roots.dev + "/" + name);
    }
    return assignOpticalLetters(devices, m_overrides, lettersOf(added));
}

DiscSource LinuxDiscDrives::addSource(DiscSourceKind kind, const std::string& path) {
    const std::string location = absoluteLocation(path);
    const std::lock_guard lock(m_mutex);
    for (const DiscSource& source : m_added) {
        if (source.location == location) {
            return source;
        }
    }
    std::set<char> taken = lettersOf(m_added);
    taken.merge(lettersOf(opticalDrivesBesides(m_added)));
    for (char letter = kFirstDriveLetter; letter <= kLastDriveLetter; ++letter) {
        if (!taken.contains(letter)) {
            return m_added.emplace_back(DiscSource{kind, driveRoot(letter), location});
        }
    }
    return DiscSource{kind, std::string(), location};
}

std::optional<DiscSource> LinuxDiscDrives::sourceOf(char letter) {
    const std::string root = driveRoot(letter);
    const std::lock_guard lock(m_mutex);
    for (const DiscSource& source : m_added) {
        if (source.root == root) {
            return source;
        }
    }
    for (const DiscSource& source : opticalDrivesBesides(m_added)) {
        if (source.root == root) {
            return source;
        }
    }
    return std::nullopt;
}

std::optional<std::string> LinuxDiscDrives::mountPointOf(const std::string& device) const {
    return findMountPoint(m_roots.proc + "/self/mountinfo", device);
}

}  // namespace vorlix
