#include "platform/disc/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vorlix {

RegularFileCheck checkRegularFile(const std::string& path) {
    using Problem = RegularFileCheck::Problem;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? RegularFileCheck{Problem::Missing, {}, 0}
                               : RegularFileCheck{Problem::Unreadable, std::strerror(errno), 0};
    }
    struct stat status;
    RegularFileCheck check;
    if (::fstat(fd, &status) != 0) {
        check = {Problem::Unreadable, std::strerror(errno), 0};
    } else if (!S_ISREG(status.st_mode)) {
        check = {Problem::NotRegular, {}, 0};
    } else {
        check.size = static_cast<std::uint64_t>(status.st_size);
    }
    ::close(fd);
    return check;
}

}  // namespace vorlix
