#pragma once

#include <string>

#include "platform/disc_volume.h"

namespace vorlix {

// A folder read as a disc: a folder scanned as a drive of its own, or the mount point of a
// disc. It has no label or serial of its own.
//
// Entries come in the order the file system returns them. A symbolic link to a file is listed
// with the size of that file; links to folders and dangling links are left out, so that a walk
// over the listing always ends.
class FolderVolume final : public DiscVolume {
public:
    explicit FolderVolume(std::string root);

    bool ready() override;
    std::optional<VolumeIdentity> identity() override { return std::nullopt; }
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override;
    std::optional<AudioToc> audioToc() override { return std::nullopt; }

private:
    std::string pathOf(std::string_view path) const;

    std::string m_root;
};

}  // namespace vorlix
