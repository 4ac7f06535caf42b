#include "platform/save_temporary.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>

namespace vorlix {

namespace {

constexpr std::string_view kMarker = ".vorlix-tmp-";

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::string temporaryFileName(std::string_view name, pid_t process, pid_t thread) {
    return "." + std::string(name) + std::string(kMarker) + std::to_string(process) + "-" +
           std::to_string(thread);
}

std::optional<pid_t> temporaryFileOwner(std::string_view fileName) {
    const std::size_t marker = fileName.rfind(kMarker);
    if (!fileName.starts_with('.') || marker == std::string_view::npos || marker < 2) {
        return std::nullopt;
    }
    const std::string_view ids = fileName.substr(marker + kMarker.size());
    const std::size_t dash = ids.find('-');
    if (dash == std::string_view::npos || !allDigits(ids.substr(0, dash)) ||
        !allDigits(ids.substr(dash + 1))) {
        return std::nullopt;
    }
    pid_t process = 0;
    const auto [end, error] = std::from_chars(ids.data(), ids.data() + dash, process);
    if (error != std::errc() || process <= 0) {
        return std::nullopt;
    }
    return process;
}

void removeStaleTemporaries(const std::string& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    const int folderFd = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        const auto owner = temporaryFileOwner(entry->d_name);
        if (owner && ::kill(*owner, 0) != 0 && errno == ESRCH) {
            ::unlinkat(folderFd, entry->d_name, 0);
        }
    }
    ::closedir(listing);
}

}  // namespace vorlix
