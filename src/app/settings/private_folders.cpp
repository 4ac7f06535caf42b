#include "app/settings/private_folders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace vorlix {

Result createPrivateFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (!folder.empty() && folder.back() != '/' && ::mkdir(folder.c_str(), 0700) != 0) {
            const int failure = errno;
            struct stat info {};
            if (failure != EEXIST) {
                return Result::failure(folder + ": " + std::strerror(failure));
            }
            if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
                return Result::failure(folder + ": " + std::strerror(ENOTDIR));
            }
        }
        if (slash == std::string::npos) {
            return Result::success();
        }
    }
}

}  // namespace vorlix
