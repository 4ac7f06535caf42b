#include "app/options/settings_restore.h"

#include <filesystem>
#include <utility>

#include "app/settings/first_start_installation.h"
#include "app/settings/reg_import.h"
#include "core/user_prompt.h"

namespace vorlix {

std::string restoreQuestion(const std::string& path) {
    return "The settings in " + path +
           " will replace the ones you have now.\nAre you sure you want to continue?";
}

std::string restoredMessage(const std::string& path) {
    return "The settings in " + path + " have been restored.";
}

std::string restoreFailedMessage(const std::string& reason) {
    return "The settings could not be restored: " + reason;
}

SettingsRestore::SettingsRestore(SettingsStore& settings, UserPrompt& prompt,
                                 std::string dataFolder)
    : m_settings(settings), m_prompt(prompt), m_dataFolder(std::move(dataFolder)) {}

std::string SettingsRestore::path(RestoreFile file) const {
    const std::string_view name =
        file == RestoreFile::General ? kRestoreFileName : kRestoreChatFileName;
    return (std::filesystem::path(m_dataFolder) / name).string();
}

bool SettingsRestore::restore(RestoreFile file) {
    const std::string from = path(file);
    if (m_prompt.ask(restoreQuestion(from), Buttons::YesNo, MessageIcon::Question) != Answer::Yes) {
        return false;
    }
    const RegImportResult imported = importRegFile(m_settings, from);
    if (!imported.failure.empty()) {
        m_prompt.message(restoreFailedMessage(imported.failure), MessageIcon::Warning);
        return false;
    }
    m_prompt.message(restoredMessage(from), MessageIcon::Information);
    return true;
}

}  // namespace vorlix
