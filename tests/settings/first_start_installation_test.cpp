#include "app/settings/first_start_installation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "app/setting_names.h"
#include "app/settings/reg_file_settings_store.h"
#include "app/settings/user_folders.h"
#include "support/memory_settings.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using namespace setting;
namespace fs = std::filesystem;

const std::string kProjectData = std::string(VORLIX_SOURCE_DIR) + "/data/";

// Every file below folder with its contents, by relative path; folders end in "/".
std::map<std::string, std::string> treeOf(const std::string& folder) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string relative = fs::relative(entry.path(), folder).string();
        tree[entry.is_directory() ? relative + "/" : relative] =
            entry.is_directory() ? std::string() : test::readFile(entry.path().string());
    }
    return tree;
}

bool mentions(const std::vector<std::string>& problems, std::string_view text) {
    return std::ranges::any_of(
        problems, [text](const std::string& p) { return p.find(text) != std::string::npos; });
}

class FirstStartInstallationTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_data + "doc/html");
        fs::create_directories(m_data + "empty");
        fs::copy_file(kProjectData + "restore.reg", m_data + "restore.reg");
        fs::copy_file(kProjectData + "restorechat.reg", m_data + "restorechat.reg");
        test::writeFile(m_data + "ext.txt", "mp3\r\nogg\r\n");
        test::writeFile(m_data + "Demo.vrd", std::string("\x01\x00\xff", 3));
        test::writeFile(m_data + "doc/index.html", "<html>help</html>");
        test::writeFile(m_data + "doc/html/tray.html", "<html>tray 1</html>");
    }

    InstallationReport start(SettingsStore& settings) {
        return FirstStartInstallation(settings, m_data, m_program).run();
    }
    InstallationReport start() {
        RegFileSettingsStore settings(m_settingsFile);
        return start(settings);
    }

    test::TempDir m_folder;
    std::string m_data = m_folder.file("share/vorlix/");
    std::string m_program = m_folder.file("home/.local/share/vorlix/");
    std::string m_settingsFile = m_folder.file("home/.config/vorlix/settings.reg");
};

TEST_F(FirstStartInstallationTest, TheFirstStartFillsTheProgramFolderAndTheSettings) {
    const InstallationReport report = start();
    EXPECT_TRUE(report.firstStart);
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    EXPECT_EQ(treeOf(m_program), treeOf(m_data));
    EXPECT_EQ(std::set<std::string>(report.copied.begin(), report.copied.end()),
              (std::set<std::string>{"Demo.vrd", "doc/html/tray.html", "doc/index.html", "ext.txt",
                                     "restore.reg", "restorechat.reg"}));

    const RegFileSettingsStore settings(m_settingsFile);
    for (const auto key :
         {kSettingsKey, kLastFilesKey, kRecentFileListKey, kTipKey, kFreedbKey, kRunKey}) {
        EXPECT_TRUE(settings.keyExists(key)) << key;
    }
    EXPECT_EQ(settings.readNumber(kSettingsKey, kIntervalDue), 14u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kChatSize), 1u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kClearLines), 500u);
    const std::string installDir = m_program.substr(0, m_program.size() - 1);
    EXPECT_EQ(settings.readText(kSettingsKey, kInstallDir, kPathLimit), installDir);
    EXPECT_EQ(programFolder(settings), m_program);
}

TEST_F(FirstStartInstallationTest, ALaterStartKeepsWhatTheUserChangedAndAddsNewFiles) {
    start();
    test::writeFile(m_program + "ext.txt", "mp3\r\n");
    fs::remove(m_program + "doc/index.html");
    {
        RegFileSettingsStore settings(m_settingsFile);
        settings.writeNumber(kSettingsKey, kIntervalDue, 30);
        settings.writeNumber(kSettingsKey, kFilter, 1);
        settings.writeNumber(kSettingsKey, kChatSize, 0);
        settings.writeText(kSettingsKey, kLastLogName, "ann");
        settings.writeText(kRecentFileListKey, kRecentFile1, "/home/ann/cds.vrd");
    }
    // A newer installation changes one data file and brings another.
    test::writeFile(m_data + "doc/html/tray.html", "<html>tray 2</html>");
    test::writeFile(m_data + "doc/new.html", "<html>new</html>");
    const std::string settingsBefore = test::readFile(m_settingsFile);

    const InstallationReport report = start();
    EXPECT_FALSE(report.firstStart);
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(std::set<std::string>(report.copied.begin(), report.copied.end()),
              (std::set<std::string>{"doc/index.html", "doc/new.html"}));
    EXPECT_EQ(test::readFile(m_program + "ext.txt"), "mp3\r\n");
    EXPECT_EQ(test::readFile(m_program + "doc/html/tray.html"), "<html>tray 1</html>");
    EXPECT_EQ(test::readFile(m_program + "doc/new.html"), "<html>new</html>");
    EXPECT_EQ(test::readFile(m_settingsFile), settingsBefore);
}

TEST_F(FirstStartInstallationTest, ASettingsFileWithoutTheSettingsKeyIsFilledAndKept) {
    fs::create_directories(fs::path(m_settingsFile).parent_path());
    test::writeFile(m_settingsFile, "damaged beyond reading\n\"filter\"=dword:00000001\n");
    const InstallationReport report = start();
    EXPECT_TRUE(report.firstStart);
    const RegFileSettingsStore settings(m_settingsFile);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kIntervalDue), 14u);
    const std::string text = test::readFile(m_settingsFile);
    EXPECT_NE(text.find("damaged beyond reading\r\n\"filter\"=dword:00000001\r\n"),
              std::string::npos);
}

TEST_F(FirstStartInstallationTest, WithoutRestoreFilesTheKeysAndInstallDirAreStillThere) {
    fs::remove(m_data + "restore.reg");
    test::writeFile(m_data + "restorechat.reg", "not a registry file");
    const InstallationReport report = start();
    EXPECT_TRUE(mentions(report.problems, "restore.reg"));
    EXPECT_TRUE(mentions(report.problems, "restorechat.reg"));
    RegFileSettingsStore settings(m_settingsFile);
    EXPECT_TRUE(settings.keyExists(kTipKey));
    EXPECT_EQ(programFolder(settings), m_program);
    settings.writeNumber(kSettingsKey, kFilter, 1);
    EXPECT_EQ(RegFileSettingsStore(m_settingsFile).readNumber(kSettingsKey, kFilter), 1u);
}

TEST_F(FirstStartInstallationTest, AMissingDataFolderIsReportedAndTheSettingsArePrepared) {
    fs::remove_all(m_data);
    test::MemorySettings settings;
    const InstallationReport report = start(settings);
    EXPECT_TRUE(mentions(report.problems, "data folder"));
    EXPECT_TRUE(fs::is_directory(m_program));
    EXPECT_TRUE(settings.keyExists(kRunKey));
    EXPECT_EQ(programFolder(settings), m_program);
}

TEST_F(FirstStartInstallationTest, SomethingInTheWayIsReportedAndTheRestCopied) {
    fs::create_directories(m_program);
    test::writeFile(m_program + "doc", "a file where a folder belongs");
    const InstallationReport report = start();
    EXPECT_TRUE(mentions(report.problems, "doc"));
    EXPECT_EQ(test::readFile(m_program + "doc"), "a file where a folder belongs");
    EXPECT_TRUE(fs::exists(m_program + "ext.txt"));
}

TEST_F(FirstStartInstallationTest, AProgramFolderInsideTheDataFolderIsNotCopiedIntoItself) {
    m_program = m_data + "user//";
    const InstallationReport report = start();
    EXPECT_TRUE(report.problems.empty());
    EXPECT_TRUE(fs::exists(m_program + "ext.txt"));
    EXPECT_FALSE(fs::exists(m_program + "user"));
    EXPECT_EQ(RegFileSettingsStore(m_settingsFile).readText(kSettingsKey, kInstallDir, kPathLimit),
              m_data + "user");
}

}  // namespace
}  // namespace vorlix
