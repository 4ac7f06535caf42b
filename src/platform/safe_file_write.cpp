#include "platform/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vorlix {

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::string safeWriteFile(const std::string& path, std::string_view bytes) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return std::strerror(errno);
    }
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat old {};
    const mode_t umaskValue = ::umask(0);
    ::umask(umaskValue);
    ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~umaskValue));

    std::string failure;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        failure = std::strerror(errno);
    }
    if (::close(fd) != 0 && failure.empty()) {
        failure = std::strerror(errno);
    }
    if (failure.empty() && ::rename(temporary.c_str(), path.c_str()) != 0) {
        failure = std::strerror(errno);
    }
    if (!failure.empty()) {
        ::unlink(temporary.c_str());
        return failure;
    }
    const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

}  // namespace vorlix
