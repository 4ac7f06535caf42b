#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

class SettingsStore;

// The installation's registry files, in the data folder and copied to the program folder.
inline constexpr std::string_view kRestoreFileName = "restore.reg";
inline constexpr std::string_view kRestoreChatFileName = "restorechat.reg";

// What one start of the installation did.
struct InstallationReport {
    bool firstStart = false;            // the initial settings were imported
    std::vector<std::string> copied;    // files put into the program folder, relative paths
    std::vector<std::string> problems;  // one line for each thing that could not be done
};

// Makes the user's program folder and settings ready before anything reads them. The program
// folder receives every file and folder of the installed data that it does not hold yet, so a
// newer installation's files arrive while the files the user changed stay as they are. On the
// first start, told by the settings key not existing yet, the initial settings are imported
// from restore.reg and restorechat.reg of the data folder; later starts leave every value
// alone. Every start makes sure that the keys the program writes into exist, since a write into
// a missing key would be lost, and that installdir names the program folder.
class FirstStartInstallation {
public:
    // programFolder may end in "/"; installdir is stored without it.
    FirstStartInstallation(SettingsStore& settings, std::string dataFolder,
                           std::string programFolder);

    InstallationReport run();

private:
    void copyFolder(const std::filesystem::path& from, const std::filesystem::path& to,
                    const std::string& relative, InstallationReport& report) const;
    void copyFile(const std::filesystem::path& from, const std::filesystem::path& to,
                  const std::string& relative, InstallationReport& report) const;
    void importInitialSettings(InstallationReport& report);
    void ensureKeys();
    void recordInstallDir(InstallationReport& report);

    SettingsStore& m_settings;
    std::string m_dataFolder;
    std::string m_installDir;
};

}  // namespace vorlix
