#include "app/settings/first_start_installation.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "app/setting_names.h"
#include "app/settings/private_folders.h"
#include "app/settings/reg_import.h"
#include "app/settings/settings_batch.h"
#include "app/settings_store.h"
#include "core/byte_sink.h"
#include "platform/safe_file_write.h"

namespace vorlix {

namespace fs = std::filesystem;

namespace {

// Every key the program writes values into; the window placement keys are made by their
// writer, as the framework's profile does.
constexpr std::array kKeys = {setting::kSettingsKey,       setting::kLastFilesKey,
                              setting::kRecentFileListKey, setting::kTipKey,
                              setting::kFreedbKey,         setting::kRunKey};

std::string withoutTrailingSlashes(std::string folder) {
    while (!folder.empty() && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

std::string childPath(const std::string& relative, const fs::path& name) {
    return relative.empty() ? name.string() : relative + "/" + name.string();
}

}  // namespace

FirstStartInstallation::FirstStartInstallation(SettingsStore& settings, std::string dataFolder,
                                               std::string programFolder)
    : m_settings(settings),
      m_dataFolder(std::move(dataFolder)),
      m_installDir(withoutTrailingSlashes(std::move(programFolder))) {}

InstallationReport FirstStartInstallation::run() {
    InstallationReport report;
    const std::string programFolder = m_installDir + "/";
    if (const Result created = createPrivateFolders(programFolder); !created.ok()) {
        report.problems.push_back("cannot create the program folder " + created.message());
    } else {
        copyFolder(m_dataFolder, programFolder, {}, report);
    }
    const SettingsBatch batch(m_settings);
    if (!m_settings.keyExists(setting::kSettingsKey)) {
        report.firstStart = true;
        importInitialSettings(report);
    }
    ensureKeys();
    recordInstallDir(report);
    return report;
}

void FirstStartInstallation::copyFolder(const fs::path& from, const fs::path& to,
                                        const std::string& relative,
                                        InstallationReport& report) const {
    std::error_code error;
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(from, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(*it);
    }
    if (error) {
        report.problems.push_back("cannot read the data folder " + from.string() + ": " +
                                  error.message());
        return;
    }
    std::ranges::sort(entries, {}, [](const fs::directory_entry& e) { return e.path(); });
    for (const auto& entry : entries) {
        const fs::path target = to / entry.path().filename();
        const std::string name = childPath(relative, entry.path().filename());
        // A program folder inside the data folder must not be copied into itself.
        if (fs::equivalent(entry.path(), to, error)) {
            continue;
        }
        if (entry.is_directory(error)) {
            const bool exists = fs::exists(fs::symlink_status(target, error));
            if (exists && !fs::is_directory(target, error)) {
                report.problems.push_back("cannot copy the folder " + name +
                                          ": something else has its name");
                continue;
            }
            if (!exists && !fs::create_directory(target, error)) {
                report.problems.push_back("cannot create the folder " + name + ": " +
                                          error.message());
                continue;
            }
            copyFolder(entry.path(), target, name, report);
        } else if (entry.is_regular_file(error) && !fs::exists(fs::symlink_status(target, error))) {
            copyFile(entry.path(), target, name, report);
        }
    }
}

void FirstStartInstallation::copyFile(const fs::path& from, const fs::path& to,
                                      const std::string& relative,
                                      InstallationReport& report) const {
    const int fd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        report.problems.push_back("cannot copy " + relative + ": " + std::strerror(errno));
        return;
    }
    // Through a temporary file, so that a start cut short never leaves a half-copied file that
    // later starts would take for the user's own.
    const Result copied = safeWriteFile(to.string(), [fd](ByteSink& sink) {
        std::array<char, 65536> buffer{};
        while (true) {
            const ssize_t n = ::read(fd, buffer.data(), buffer.size());
            if (n == 0) {
                return;
            }
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                throw std::runtime_error(std::strerror(errno));
            }
            sink.write(buffer.data(), static_cast<std::size_t>(n));
        }
    });
    ::close(fd);
    if (copied.ok()) {
        report.copied.push_back(relative);
    } else {
        report.problems.push_back("cannot copy " + relative + ": " + copied.message());
    }
}

void FirstStartInstallation::importInitialSettings(InstallationReport& report) {
    for (const std::string_view fileName : {kRestoreFileName, kRestoreChatFileName}) {
        const std::string path = (fs::path(m_dataFolder) / fileName).string();
        const RegImportResult result = importRegFile(m_settings, path);
        if (!result.failure.empty()) {
            report.problems.push_back(std::string(fileName) + ": " + result.failure);
        }
        for (const auto& issue : result.skipped) {
            report.problems.push_back(std::string(fileName) + " line " +
                                      std::to_string(issue.line) + ": " + issue.reason);
        }
    }
}

void FirstStartInstallation::ensureKeys() {
    for (const std::string_view key : kKeys) {
        if (!m_settings.keyExists(key)) {
            m_settings.createKey(key);
        }
    }
}

void FirstStartInstallation::recordInstallDir(InstallationReport& report) {
    if (m_installDir.size() >= setting::kPathLimit) {
        report.problems.push_back("the program folder path is longer than " +
                                  std::to_string(setting::kPathLimit - 1) +
                                  " bytes and cannot be read back: " + m_installDir);
    }
    if (m_settings.readText(setting::kSettingsKey, setting::kInstallDir, setting::kPathLimit) !=
        m_installDir) {
        m_settings.writeText(setting::kSettingsKey, setting::kInstallDir, m_installDir);
    }
}

}  // namespace vorlix
