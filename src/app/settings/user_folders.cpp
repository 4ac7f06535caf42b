#include "app/settings/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "app/setting_names.h"
#include "app/settings_store.h"

namespace vorlix {

namespace {

constexpr std::string_view kFolderName = "vorlix";
constexpr std::string_view kSettingsFileName = "settings.reg";

std::string joined(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/') {
        path.push_back('/');
    }
    return path + std::string(name);
}

std::string baseFolder(std::string_view variable, std::string_view home,
                       std::string_view fallbackBelowHome) {
    if (variable.starts_with('/')) {
        return std::string(variable);
    }
    return joined(home, fallbackBelowHome);
}

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

std::string homeFolder() {
    if (const std::string_view home = environment("HOME"); !home.empty()) {
        return std::string(home);
    }
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return {};
}

}  // namespace

std::string settingsFilePathFor(std::string_view xdgConfigHome, std::string_view home) {
    return joined(joined(baseFolder(xdgConfigHome, home, ".config"), kFolderName),
                  kSettingsFileName);
}

std::string programFolderPathFor(std::string_view xdgDataHome, std::string_view home) {
    return joined(baseFolder(xdgDataHome, home, ".local/share"), kFolderName) + "/";
}

std::string autostartFolderPathFor(std::string_view xdgConfigHome, std::string_view home) {
    return joined(baseFolder(xdgConfigHome, home, ".config"), "autostart") + "/";
}

std::string defaultSettingsFilePath() {
    return settingsFilePathFor(environment("XDG_CONFIG_HOME"), homeFolder());
}

std::string defaultProgramFolderPath() {
    return programFolderPathFor(environment("XDG_DATA_HOME"), homeFolder());
}

std::string defaultAutostartFolderPath() {
    return autostartFolderPathFor(environment("XDG_CONFIG_HOME"), homeFolder());
}

std::string programFolder(const SettingsStore& settings) {
    return settings.readText(setting::kSettingsKey, setting::kInstallDir, setting::kPathLimit) +
           "/";
}

}  // namespace vorlix
