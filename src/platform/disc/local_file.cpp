#include "platform/disc/local_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vorlix {

std::unique_ptr<LocalFile> LocalFile::open(const std::string& path) {
    // Non-blocking, so that a FIFO given for a file is refused rather than waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return nullptr;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<LocalFile>(
        new LocalFile(fd, static_cast<std::uint64_t>(status.st_size)));
}

LocalFile::~LocalFile() {
    ::close(m_fd);
}

std::optional<std::size_t> LocalFile::read(char* destination, std::size_t n) {
    for (;;) {
        const ssize_t got = ::read(m_fd, destination, n);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            return std::nullopt;
        }
    }
}

bool LocalFile::seek(std::uint64_t position) {
    return position <= m_size && ::lseek(m_fd, static_cast<off_t>(position), SEEK_SET) >= 0;
}

}  // namespace vorlix
