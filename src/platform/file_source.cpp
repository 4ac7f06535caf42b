#include "platform/file_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace vorlix {

FileSource::FileSource(const std::string& path) : m_path(path) {
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0) {
        const std::string reason = std::strerror(errno);
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        throw std::runtime_error(reason);
    }
    if (S_ISDIR(info.st_mode)) {
        ::close(m_fd);
        throw std::runtime_error("it is a folder");
    }
    m_size = static_cast<std::uint64_t>(info.st_size);
    ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
}

FileSource::~FileSource() {
    ::close(m_fd);
}

std::size_t FileSource::read(char* destination, std::size_t n) {
    while (true) {
        const ssize_t got = ::read(m_fd, destination, n);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            throw std::runtime_error(std::strerror(errno));
        }
    }
}

}  // namespace vorlix
