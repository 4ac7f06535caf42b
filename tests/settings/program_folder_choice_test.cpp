#include "app/settings/program_folder_choice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "app/settings/first_start_installation.h"
#include "app/settings/reg_file_settings_store.h"
#include "support/memory_settings.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using namespace setting;

constexpr const char* kPerUser = "/home/ann/.local/share/vorlix/";

struct ChoiceCase {
    const char* label;
    std::function<void(test::MemorySettings&)> arrange;
    std::string folder;
    std::string problem;
};

TEST(ProgramFolderChoiceTest, TakesInstallDirOrTheUsersFolderWithTheReason) {
    const std::string longFolder = "/" + std::string(kPathLimit, 'x');
    const std::vector<ChoiceCase> cases = {
        {"installdir set",
         [](auto& s) { s.writeText(kSettingsKey, kInstallDir, "/opt/data/vorlix"); },
         "/opt/data/vorlix/", ""},
        {"no settings at all", [](auto&) {}, kPerUser, "the settings could not be read"},
        {"installdir too long to read",
         [&longFolder](auto& s) { s.writeText(kSettingsKey, kInstallDir, longFolder); }, kPerUser,
         "the setting installdir is longer than 511 bytes"},
        {"installdir missing", [](auto& s) { s.createKey(kSettingsKey); }, kPerUser,
         "the setting installdir is empty"},
        {"installdir empty", [](auto& s) { s.writeText(kSettingsKey, kInstallDir, ""); }, kPerUser,
         "the setting installdir is empty"},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.label);
        test::MemorySettings settings;
        c.arrange(settings);
        const ProgramFolderChoice choice = chooseProgramFolder(settings, kPerUser);
        EXPECT_EQ(choice.folder, c.folder);
        EXPECT_EQ(choice.problem, c.problem);
    }
}

// A settings file that exists but cannot be read (here a folder in its place) leaves the
// installation unable to record installdir; the program then uses the user's folder.
TEST(ProgramFolderChoiceTest, AnUnreadableSettingsFileFallsBackToTheUsersFolder) {
    test::TempDir home;
    const std::string settingsFile = home.file("settings.reg");
    std::filesystem::create_directory(settingsFile);
    RegFileSettingsStore settings(settingsFile);
    const std::string programFolder = home.file("vorlix/");
    FirstStartInstallation(settings, home.file("no-data"), programFolder).run();

    const ProgramFolderChoice choice = chooseProgramFolder(settings, programFolder);
    EXPECT_EQ(choice.folder, programFolder);
    EXPECT_EQ(programFolderFallbackMessage(choice),
              "The program folder could not be taken from the settings: the settings could not "
              "be read. Vorlix keeps its data files (accounts, scan filter lists) in " +
                  programFolder + " instead.");
}

}  // namespace
}  // namespace vorlix
