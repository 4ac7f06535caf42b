#pragma once

#include <string>

#include "platform/disc/folder_volume.h"
#include "platform/disc_volume.h"

namespace vorlix {

// A data disc that the system has mounted: listed through its mount point, where the kernel
// already reads every session and file system, and identified by the volume structures read
// from the device.
class MountedDiscVolume final : public DiscVolume {
public:
    MountedDiscVolume(std::string mountPoint, std::optional<VolumeIdentity> identity);

    bool ready() override { return m_folder.ready(); }
    std::optional<VolumeIdentity> identity() override { return m_identity; }
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override {
        return m_folder.list(path, entries);
    }
    std::optional<FolderPlace> place(std::string_view path) override {
        return m_folder.place(path);
    }
    std::optional<AudioToc> audioToc() override { return std::nullopt; }
    std::unique_ptr<VolumeFile> openFile(std::string_view path) override {
        return m_folder.openFile(path);
    }

private:
    FolderVolume m_folder;
    std::optional<VolumeIdentity> m_identity;
};

}  // namespace vorlix
