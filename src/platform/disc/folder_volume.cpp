#include "platform/disc/folder_volume.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <utility>

namespace vorlix {

namespace {

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// The entry for a directory item, or nothing when it is left out. The file type from the
// directory itself spares a stat call for every folder; files need one for their size.
std::optional<DirectoryEntry> entryOf(int folderFd, const dirent& item) {
    if (item.d_type == DT_DIR) {
        return DirectoryEntry{item.d_name, true, 0};
    }
    struct stat status;
    if (::fstatat(folderFd, item.d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return std::nullopt;
    }
    if (S_ISDIR(status.st_mode)) {
        return DirectoryEntry{item.d_name, true, 0};
    }
    if (S_ISLNK(status.st_mode) &&
        (::fstatat(folderFd, item.d_name, &status, 0) != 0 || S_ISDIR(status.st_mode))) {
        return std::nullopt;
    }
    return DirectoryEntry{item.d_name, false, static_cast<std::uint64_t>(status.st_size)};
}

}  // namespace

FolderVolume::FolderVolume(std::string root) : m_root(std::move(root)) {}

bool FolderVolume::ready() {
    const int fd = ::open(m_root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

bool FolderVolume::list(std::string_view path, std::vector<DirectoryEntry>& entries) {
    entries.clear();
    const int fd = ::open(pathOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    DIR* folder = ::fdopendir(fd);
    if (folder == nullptr) {
        ::close(fd);
        return false;
    }
    errno = 0;
    while (const dirent* item = ::readdir(folder)) {
        if (!isDotOrDotDot(item->d_name)) {
            if (auto entry = entryOf(fd, *item)) {
                entries.push_back(std::move(*entry));
            }
        }
        errno = 0;
    }
    const bool complete = errno == 0;
    ::closedir(folder);
    if (!complete) {
        entries.clear();
    }
    return complete;
}

std::string FolderVolume::pathOf(std::string_view path) const {
    return path.empty() ? m_root : m_root + "/" + std::string(path);
}

}  // namespace vorlix
