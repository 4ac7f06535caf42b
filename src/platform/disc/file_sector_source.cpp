#include "platform/disc/file_sector_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vorlix {

namespace {

// Opened without waiting, and only a regular file or a block device: a FIFO or a character
// device would block a read or never end.
int openSectors(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat status;
    if (fd >= 0 &&
        (::fstat(fd, &status) != 0 || !(S_ISREG(status.st_mode) || S_ISBLK(status.st_mode)))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

FileSectorSource::FileSectorSource(const std::string& path) : m_fd(openSectors(path)) {}

FileSectorSource::~FileSectorSource() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool FileSectorSource::read(std::uint32_t lba, Sector& sector) {
    return readRun(lba, 1, sector.data());
}

bool FileSectorSource::readRun(std::uint32_t lba, std::uint32_t count, std::uint8_t* bytes) {
    if (m_fd < 0) {
        return false;
    }
    const auto offset = static_cast<off_t>(lba) * static_cast<off_t>(kSectorSize);
    const std::size_t size = std::size_t{count} * kSectorSize;
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(m_fd, bytes + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace vorlix
