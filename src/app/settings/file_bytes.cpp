#include "app/settings/file_bytes.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/regular_file.h"

namespace vorlix {

bool readAllFrom(int fd, std::string& bytes, std::size_t limit) {
    char buffer[16384];
    const std::size_t start = bytes.size();
    while (bytes.size() - start <= limit) {
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
    return true;
}

Result readFileBytes(const std::string& path, std::string& bytes) {
    const OpenedFile opened = openRegularFile(path);
    if (opened.fd < 0) {
        return Result::failure(opened.failure);
    }
    const bool read = readAllFrom(opened.fd, bytes);
    const int failure = errno;
    ::close(opened.fd);
    return read ? Result::success() : Result::failure(std::strerror(failure));
}

}  // namespace vorlix
