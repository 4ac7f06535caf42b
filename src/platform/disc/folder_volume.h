#pragma once

#include <string>
#include <vector>

#include "platform/disc_volume.h"

namespace vorlix {

// A folder read as a disc: a folder scanned as a drive of its own, or the mount point of a
// disc. It has no label or serial of its own.
//
// Entries come in the order the file system returns them. A symbolic link to a file is listed
// with the size of that file; links to folders and dangling links are left out, so that a walk
// over the listing always ends. FIFOs, sockets and devices are listed as unreadable: reading one
// could block or never end.
//
// Each folder is opened relative to its parent's descriptor, which the volume keeps for the
// folders the last listing lay in, so a path of any length can be listed and a walk that goes
// depth first opens each folder once.
class FolderVolume final : public DiscVolume {
public:
    explicit FolderVolume(std::string root);
    ~FolderVolume() override;
    FolderVolume(const FolderVolume&) = delete;
    FolderVolume& operator=(const FolderVolume&) = delete;

    bool ready() override;
    std::optional<VolumeIdentity> identity() override { return std::nullopt; }
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override;
    std::optional<FolderPlace> place(std::string_view path) override;
    std::optional<AudioToc> audioToc() override { return std::nullopt; }
    // The regular file at path below the root, opened as the system's own file.
    std::unique_ptr<VolumeFile> openFile(std::string_view path) override;

private:
    // A folder held open: its name in its parent (empty for the root), the length of its path
    // below the root, and whether it has been listed through its descriptor.
    struct OpenFolder {
        std::string name;
        int fd = -1;
        std::size_t pathSize = 0;
        bool listed = false;
    };

    // The descriptor of the folder at path, opening what is not open yet; -1 when it cannot be
    // opened.
    int descend(std::string_view path);
    bool push(std::string name);
    void closeFrom(std::size_t depth);

    std::string m_root;
    std::vector<OpenFolder> m_open;  // the root, then each folder below the one before
    std::string m_openPath;          // of the innermost folder held open
};

}  // namespace vorlix
