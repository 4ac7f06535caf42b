#include "app/settings/file_bytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vorlix {

bool readAllFrom(int fd, std::string& bytes) {
    char buffer[16384];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) {
            return true;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

Result readFileBytes(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return Result::failure(std::strerror(errno));
    }
    const bool read = readAllFrom(fd, bytes);
    const int failure = errno;
    ::close(fd);
    return read ? Result::success() : Result::failure(std::strerror(failure));
}

}  // namespace vorlix
