#include "platform/disc/folder_volume.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <utility>

#include "platform/disc/local_file.h"

namespace vorlix {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

bool isSpecial(unsigned char type) {
    return type == DT_FIFO || type == DT_SOCK || type == DT_CHR || type == DT_BLK;
}

DirectoryEntry unreadableEntry(const char* name) {
    return DirectoryEntry{name, false, 0, true};
}

// The entry for a directory item, or nothing when it is left out. The file type from the
// directory itself spares a stat call for every folder and special file; files need one for
// their size.
std::optional<DirectoryEntry> entryOf(int folderFd, const dirent& item) {
    if (item.d_type == DT_DIR) {
        return DirectoryEntry{item.d_name, true, 0};
    }
    if (isSpecial(item.d_type)) {
        return unreadableEntry(item.d_name);
    }
    struct stat status;
    if (::fstatat(folderFd, item.d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return unreadableEntry(item.d_name);
    }
    if (S_ISDIR(status.st_mode)) {
        return DirectoryEntry{item.d_name, true, 0};
    }
    if (S_ISLNK(status.st_mode) &&
        (::fstatat(folderFd, item.d_name, &status, 0) != 0 || S_ISDIR(status.st_mode))) {
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        return unreadableEntry(item.d_name);
    }
    return DirectoryEntry{item.d_name, false, static_cast<std::uint64_t>(status.st_size)};
}

// The components of a path below the root, "" giving none.
std::vector<std::string_view> componentsOf(std::string_view path) {
    std::vector<std::string_view> names;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        names.push_back(path.substr(0, slash));
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
    return names;
}

}  // namespace

FolderVolume::FolderVolume(std::string root) : m_root(std::move(root)) {}

FolderVolume::~FolderVolume() {
    closeFrom(0);
}

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
    const int fd = descend(path);
    // The listing reads through a duplicate, which closedir() closes; the descriptor kept open
    // stays for opening the folders below. The two share the reading position, so a folder
    // listed before is read again from its start.
    const int listing = fd < 0 ? -1 : ::dup(fd);
    if (listing < 0) {
        return false;
    }
    DIR* folder = ::fdopendir(listing);
    if (folder == nullptr) {
        ::close(listing);
        return false;
    }
    if (std::exchange(m_open.back().listed, true)) {
        ::rewinddir(folder);
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

std::optional<FolderPlace> FolderVolume::place(std::string_view path) {
    const int fd = descend(path);
    struct stat status;
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        return std::nullopt;
    }
    return FolderPlace{static_cast<std::uint64_t>(status.st_dev),
                       static_cast<std::uint64_t>(status.st_ino)};
}

std::unique_ptr<VolumeFile> FolderVolume::openFile(std::string_view path) {
    if (path.empty()) {
        return nullptr;
    }
    return LocalFile::open(m_root + "/" + std::string(path));
}

int FolderVolume::descend(std::string_view path) {
    if (m_open.empty() && !push(std::string())) {
        return -1;
    }
    // A walk asks for the folder it has just listed, or for one right below it.
    if (path == m_openPath) {
        return m_open.back().fd;
    }
    const bool below =
        m_openPath.empty() || (path.starts_with(m_openPath) && path.size() > m_openPath.size() &&
                               path[m_openPath.size()] == '/');
    const std::string_view rest =
        below ? path.substr(m_openPath.empty() ? 0 : m_openPath.size() + 1) : std::string_view();
    if (below && rest.find('/') == std::string_view::npos) {
        return push(std::string(rest)) ? m_open.back().fd : -1;
    }
    const std::vector<std::string_view> names = componentsOf(path);
    std::size_t kept = 0;
    while (kept < names.size() && kept + 1 < m_open.size() &&
           m_open[kept + 1].name == names[kept]) {
        ++kept;
    }
    closeFrom(kept + 1);
    for (std::size_t i = kept; i < names.size(); ++i) {
        if (!push(std::string(names[i]))) {
            return -1;
        }
    }
    return m_open.back().fd;
}

bool FolderVolume::push(std::string name) {
    const bool root = m_open.empty();
    const int fd = root ? ::open(m_root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                        : ::openat(m_open.back().fd, name.c_str(), kFolderFlags);
    if (fd < 0) {
        return false;
    }
    if (!root) {
        m_openPath += (m_open.size() == 1 ? "" : "/") + name;
    }
    m_open.push_back({std::move(name), fd, m_openPath.size(), false});
    return true;
}

void FolderVolume::closeFrom(std::size_t depth) {
    while (m_open.size() > depth) {
        ::close(m_open.back().fd);
        m_open.pop_back();
    }
    m_openPath.resize(m_open.empty() ? 0 : m_open.back().pathSize);
}

}  // namespace vorlix
