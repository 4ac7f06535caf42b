#include "platform/file_source.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "platform/regular_file.h"

namespace vorlix {

FileSource::FileSource(const std::string& path) : m_path(path) {
    const OpenedFile opened = openRegularFile(path);
    if (opened.fd < 0) {
        throw std::runtime_error(opened.failure);
    }
    m_fd = opened.fd;
    m_size = static_cast<std::uint64_t>(opened.info.st_size);
    m_identity = FileIdentity::of(opened.info);
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

std::size_t FileSource::readAt(std::uint64_t offset, char* destination, std::size_t n) const {
    while (true) {
        const ssize_t got = ::pread(m_fd, destination, n, static_cast<off_t>(offset));
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            throw std::runtime_error(std::strerror(errno));
        }
    }
}

std::size_t FilePart::read(char* destination, std::size_t n) {
    const std::size_t got = m_file.readAt(m_offset, destination, n);
    m_offset += got;
    return got;
}

}  // namespace vorlix
