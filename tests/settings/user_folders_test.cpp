#include "app/settings/user_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "support/memory_settings.h"

namespace vorlix {
namespace {

using namespace setting;

TEST(UserFoldersTest, FollowTheXdgRules) {
    struct Case {
        const char* variable;
        const char* settingsFile;
        const char* programFolder;
        const char* autostartFolder;
    };
    const std::vector<Case> cases = {
        {"", "/home/ann/.config/vorlix/settings.reg", "/home/ann/.local/share/vorlix/",
         "/home/ann/.config/autostart/"},
        {"/xdg", "/xdg/vorlix/settings.reg", "/xdg/vorlix/", "/xdg/autostart/"},
        {"/xdg/", "/xdg/vorlix/settings.reg", "/xdg/vorlix/", "/xdg/autostart/"},
        {"relative/xdg", "/home/ann/.config/vorlix/settings.reg", "/home/ann/.local/share/vorlix/",
         "/home/ann/.config/autostart/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variable);
        EXPECT_EQ(settingsFilePathFor(c.variable, "/home/ann"), c.settingsFile);
        EXPECT_EQ(programFolderPathFor(c.variable, "/home/ann/"), c.programFolder);
        EXPECT_EQ(autostartFolderPathFor(c.variable, "/home/ann"), c.autostartFolder);
    }
}

// Sets an environment variable for one test and puts the old value back.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        ::setenv(name, value, 1);
    }
    ~EnvironmentVariable() {
        if (m_old) {
            ::setenv(m_name, m_old->c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(UserFoldersTest, DefaultsComeFromTheEnvironment) {
    const EnvironmentVariable home("HOME", "/home/bo");
    {
        const EnvironmentVariable config("XDG_CONFIG_HOME", "/cfg");
        const EnvironmentVariable data("XDG_DATA_HOME", "/dat");
        EXPECT_EQ(defaultSettingsFilePath(), "/cfg/vorlix/settings.reg");
        EXPECT_EQ(defaultProgramFolderPath(), "/dat/vorlix/");
        EXPECT_EQ(defaultAutostartFolderPath(), "/cfg/autostart/");
    }
    const EnvironmentVariable config("XDG_CONFIG_HOME", "");
    const EnvironmentVariable data("XDG_DATA_HOME", "");
    EXPECT_EQ(defaultSettingsFilePath(), "/home/bo/.config/vorlix/settings.reg");
    EXPECT_EQ(defaultProgramFolderPath(), "/home/bo/.local/share/vorlix/");
    EXPECT_EQ(defaultAutostartFolderPath(), "/home/bo/.config/autostart/");
}

TEST(UserFoldersTest, TheProgramFolderIsInstallDirAndASlash) {
    test::MemorySettings settings;
    EXPECT_EQ(programFolder(settings), "/");
    settings.writeText(kSettingsKey, kInstallDir, "/home/ann/.local/share/vorlix");
    EXPECT_EQ(programFolder(settings), "/home/ann/.local/share/vorlix/");
    settings.writeText(kSettingsKey, kInstallDir, std::string(kPathLimit, 'x'));
    EXPECT_EQ(programFolder(settings), "/");
}

}  // namespace
}  // namespace vorlix
