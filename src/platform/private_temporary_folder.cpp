#include "platform/private_temporary_folder.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

namespace vorlix {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "vorlix-open-";

std::string madeFolder(std::string pattern) {
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    return ::mkdtemp(name.data()) != nullptr ? std::string(name.data()) : std::string();
}

// The process that made a folder named "vorlix-open-PID-XXXXXX"; nullopt for other names.
std::optional<pid_t> ownerOf(std::string_view name) {
    if (!name.starts_with(kPrefix)) {
        return std::nullopt;
    }
    name.remove_prefix(kPrefix.size());
    pid_t process = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), process);
    if (error != std::errc() || process <= 0 || end == name.data() + name.size() || *end != '-') {
        return std::nullopt;
    }
    return process;
}

void removeStaleFolders(const std::string& parent) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(parent, error)) {
        const std::optional<pid_t> owner = ownerOf(entry.path().filename().string());
        struct stat info {};
        if (owner && ::kill(*owner, 0) != 0 && errno == ESRCH &&
            ::lstat(entry.path().c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
            info.st_uid == ::getuid()) {
            fs::remove_all(entry.path(), error);
        }
    }
}

}  // namespace

PrivateTemporaryFolder::PrivateTemporaryFolder(std::string parent) : m_parent(std::move(parent)) {}

PrivateTemporaryFolder::~PrivateTemporaryFolder() {
    if (!m_folder.empty()) {
        std::error_code error;
        fs::remove_all(m_folder, error);
    }
}

std::string PrivateTemporaryFolder::defaultParent() {
    for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return "/tmp";
}

std::optional<std::string> PrivateTemporaryFolder::newPlace() {
    const std::lock_guard lock(m_mutex);
    if (m_folder.empty()) {
        removeStaleFolders(m_parent);
        // mkdtemp makes the folder with mode 0700 whatever the umask.
        m_folder = madeFolder(m_parent + "/" + std::string(kPrefix) + std::to_string(::getpid()) +
                              "-XXXXXX");
        if (m_folder.empty()) {
            return std::nullopt;
        }
    }
    std::string place = madeFolder(m_folder + "/XXXXXX");
    return place.empty() ? std::nullopt : std::optional<std::string>(std::move(place));
}

}  // namespace vorlix
