#include "app/settings/program_folder_choice.h"

#include <limits>

#include "app/setting_names.h"
#include "app/settings/user_folders.h"
#include "app/settings_store.h"

namespace vorlix {

namespace {

std::string installDirProblem(const SettingsStore& settings) {
    // The installation makes the key on every start, so a key that is still missing means a
    // store that can be neither read nor written.
    if (!settings.keyExists(setting::kSettingsKey)) {
        return "the settings could not be read";
    }
    const std::string whole = settings.readText(setting::kSettingsKey, setting::kInstallDir,
                                                std::numeric_limits<std::size_t>::max());
    if (!whole.empty()) {
        return "the setting " + std::string(setting::kInstallDir) + " is longer than " +
               std::to_string(setting::kPathLimit - 1) + " bytes";
    }
    return "the setting " + std::string(setting::kInstallDir) + " is empty";
}

}  // namespace

ProgramFolderChoice chooseProgramFolder(const SettingsStore& settings,
                                        const std::string& perUserFolder) {
    if (!settings.readText(setting::kSettingsKey, setting::kInstallDir, setting::kPathLimit)
             .empty()) {
        return {programFolder(settings), {}};
    }
    return {perUserFolder, installDirProblem(settings)};
}

std::string programFolderFallbackMessage(const ProgramFolderChoice& choice) {
    return "The program folder could not be taken from the settings: " + choice.problem +
           ". Vorlix keeps its data files (accounts, scan filter lists) in " + choice.folder +
           " instead.";
}

}  // namespace vorlix
