#include "platform/disc/file_sector_source.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace vorlix {

FileSectorSource::FileSectorSource(const std::string& path)
    : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}

FileSectorSource::~FileSectorSource() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool FileSectorSource::read(std::uint32_t lba, Sector& sector) {
    if (m_fd < 0) {
        return false;
    }
    const auto offset = static_cast<off_t>(lba) * static_cast<off_t>(kSectorSize);
    std::size_t done = 0;
    while (done < sector.size()) {
        const ssize_t n = ::pread(m_fd, sector.data() + done, sector.size() - done,
                                  offset + static_cast<off_t>(done));
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
