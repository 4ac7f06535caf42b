#include "platform/regular_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace vorlix {

namespace {

OpenedFile refused(int fd, std::string failure) {
    ::close(fd);
    OpenedFile opened;
    opened.failure = std::move(failure);
    return opened;
}

}  // namespace

OpenedFile openRegularFile(const std::string& path) {
    OpenedFile opened;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        opened.missing = errno == ENOENT || errno == ENOTDIR;
        opened.failure = std::strerror(errno);
        return opened;
    }
    if (::fstat(fd, &opened.info) != 0) {
        return refused(fd, std::strerror(errno));
    }
    if (S_ISDIR(opened.info.st_mode)) {
        return refused(fd, std::string(kAFolder));
    }
    if (!S_ISREG(opened.info.st_mode)) {
        return refused(fd, std::string(kNotARegularFile));
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return refused(fd, std::strerror(errno));
    }
    opened.fd = fd;
    return opened;
}

Result checkReplaceable(const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        return errno == ENOENT ? Result::success() : Result::failure(std::strerror(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        return Result::failure(std::strerror(EISDIR));
    }
    if (!S_ISREG(info.st_mode)) {
        return Result::failure(std::string(kNotARegularFile));
    }
    return Result::success();
}

}  // namespace vorlix
