#include "platform/link_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <vector>

namespace vorlix {

namespace {

// The kernel's own limit on links followed while resolving one path.
constexpr int kMostLinks = 40;

}  // namespace

std::string folderOfPath(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOfPath(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string linkTarget(const std::string& path) {
    std::string current = path;
    std::vector<char> buffer(PATH_MAX);
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        const ssize_t length = ::readlink(current.c_str(), buffer.data(), buffer.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) {
            return current;
        }
        const std::string target(buffer.data(), static_cast<std::size_t>(length));
        current = target.front() == '/' ? target : folderOfPath(current) + "/" + target;
    }
    return path;
}

}  // namespace vorlix
