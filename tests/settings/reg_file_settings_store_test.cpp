#include "app/settings/reg_file_settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "core/code_page.h"
#include "platform/file_lock.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using namespace setting;
namespace fs = std::filesystem;

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";
constexpr std::string_view kSettingsSection =
    "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Settings]\r\n";

std::size_t entriesIn(const std::string& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

unsigned modeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

class RegFileSettingsStoreTest : public ::testing::Test {
protected:
    test::TempDir m_folder;
    std::string m_path = m_folder.file("config/vorlix/settings.reg");
};

TEST_F(RegFileSettingsStoreTest, WithoutAFileEverythingReadsAsDefaultAndWritesAreLost) {
    RegFileSettingsStore store(m_path);
    EXPECT_FALSE(store.keyExists(kSettingsKey));
    store.writeNumber(kSettingsKey, kFilter, 1);
    store.writeText(kSettingsKey, kInstallDir, "/x");
    store.writeBinary(kRootKey, kWindowPlacement, "abc");
    EXPECT_EQ(store.readNumber(kSettingsKey, kFilter), 0u);
    EXPECT_EQ(store.readText(kSettingsKey, kInstallDir, kPathLimit), "");
    EXPECT_FALSE(fs::exists(m_path));
}

TEST_F(RegFileSettingsStoreTest, CreatingAKeyMakesAPrivateFileInPrivateFolders) {
    RegFileSettingsStore store(m_path);
    store.createKey(kSettingsKey);
    store.writeNumber(kSettingsKey, kIntervalDue, 14);
    EXPECT_EQ(modeOf(m_path), 0600u);
    EXPECT_EQ(modeOf(m_folder.file("config")), 0700u);
    EXPECT_EQ(modeOf(m_folder.file("config/vorlix")), 0700u);
    EXPECT_EQ(test::readFile(m_path), std::string(kHeader) + std::string(kSettingsSection) +
                                          "\"intervaldue\"=dword:0000000e\r\n\r\n");
    EXPECT_EQ(entriesIn(m_folder.file("config/vorlix")), 1u);
}

TEST_F(RegFileSettingsStoreTest, WritesIntoAMissingKeyAreLostAndLeaveTheFileAlone) {
    RegFileSettingsStore store(m_path);
    store.createKey(kSettingsKey);
    const std::string before = test::readFile(m_path);
    store.writeNumber(kTipKey, kTipStartUp, 1);
    store.writeText(kLastFilesKey, kQvdPathOpen, "/x/");
    store.writeBinary(std::string(kRootKey) + "\\CMainFrame", kWindowPlacement, "abc");
    EXPECT_EQ(store.readNumber(kTipKey, kTipStartUp), 0u);
    EXPECT_EQ(store.readText(kLastFilesKey, kQvdPathOpen, kPathLimit), "");
    EXPECT_EQ(test::readFile(m_path), before);
}

TEST_F(RegFileSettingsStoreTest, AWriteIntoAKeyThatExistsAsAParentGivesItASection) {
    RegFileSettingsStore store(m_path);
    store.createKey(kSettingsKey);
    store.writeNumber(kRootKey, "probe", 3);
    EXPECT_EQ(RegFileSettingsStore(m_path).readNumber(kRootKey, "probe"), 3u);
}

TEST_F(RegFileSettingsStoreTest, NamesCompareWithoutCaseAndKeepTheirFirstSpelling) {
    RegFileSettingsStore store(m_path);
    store.createKey(kRunKey);
    store.createKey("SOFTWARE\\MICROSOFT\\windows\\currentversion\\RUN");
    store.writeText("software\\microsoft\\Windows\\CurrentVersion\\Run\\", "VORLIX", "/usr/bin");
    EXPECT_EQ(store.readText(kRunKey, kRunEntry, kPathLimit), "/usr/bin");
    const std::string text = test::readFile(m_path);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\run]"),
              std::string::npos);
    EXPECT_NE(text.find("\"VORLIX\"=\"/usr/bin\""), std::string::npos);
    store.writeText(kRunKey, kRunEntry, "/opt");
    EXPECT_NE(test::readFile(m_path).find("\"VORLIX\"=\"/opt\""), std::string::npos);
}

// Each damaged line sits between two good values; after one value is written the damaged line
// is still there and neither good value is lost.
TEST_F(RegFileSettingsStoreTest, ADamagedLineReadsAsDefaultAndSurvivesTheNextWrite) {
    const std::vector<std::string> damaged = {
        "\"lnfo1\"=\"unterminated",
        "\"filter\"=dword:xyz",
        "\"share\"=hex:0g",
        "\"stats\"=\"bad \\q escape\"",
        "total garbage",
        std::string("\xFF\xFE\x00\x01\xC0 binary", 12),
        "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Broken",
    };
    for (const auto& line : damaged) {
        SCOPED_TRACE(line);
        test::writeFile(m_folder.file("s.reg"), std::string(kHeader) +
                                                    std::string(kSettingsSection) +
                                                    "\"intervaldue\"=dword:0000001e\r\n" + line +
                                                    "\r\n\"installdir\"=\"/home/u/data\"\r\n");
        RegFileSettingsStore store(m_folder.file("s.reg"));
        EXPECT_EQ(store.readText(kSettingsKey, kLastLogName, kLogInfoLimit), "");
        EXPECT_EQ(store.readNumber(kSettingsKey, kFilter), 0u);
        EXPECT_EQ(store.readNumber(kSettingsKey, kShare), 0u);
        EXPECT_EQ(store.readNumber(kSettingsKey, kStats), 0u);
        store.writeNumber(kSettingsKey, kLoadDb, 1);

        RegFileSettingsStore again(m_folder.file("s.reg"));
        EXPECT_EQ(again.readNumber(kSettingsKey, kLoadDb), 1u);
        EXPECT_EQ(again.readNumber(kSettingsKey, kIntervalDue), 30u);
        const bool afterBrokenKey = line.starts_with('[');
        EXPECT_EQ(again.readText(kSettingsKey, kInstallDir, kPathLimit),
                  afterBrokenKey ? "" : "/home/u/data");
        const std::string text = test::readFile(m_folder.file("s.reg"));
        EXPECT_NE(text.find(line + "\r\n"), std::string::npos) << text;
        EXPECT_NE(text.find("\"installdir\"=\"/home/u/data\"\r\n"), std::string::npos);
    }
}

TEST_F(RegFileSettingsStoreTest, AFileOfGarbageReadsAsDefaultsAndIsKeptWhenKeysAreAdded) {
    const char raw[] =
        "\x7F"
        "ELF\x02\x01\x01\x00\x00\x00\xC0\xFF not settings at all";
    const std::string garbage(raw, sizeof raw - 1);
    test::writeFile(m_folder.file("s.reg"), garbage);
    RegFileSettingsStore store(m_folder.file("s.reg"));
    EXPECT_FALSE(store.keyExists(kSettingsKey));
    store.createKey(kSettingsKey);
    store.writeNumber(kSettingsKey, kFilter, 1);
    EXPECT_EQ(RegFileSettingsStore(m_folder.file("s.reg")).readNumber(kSettingsKey, kFilter), 1u);
    EXPECT_NE(test::readFile(m_folder.file("s.reg")).find(garbage), std::string::npos);
}

// A link that points at itself cannot be opened, whoever runs the test.
TEST_F(RegFileSettingsStoreTest, AFileThatCannotBeReadIsNeverReplaced) {
    fs::create_symlink("s.reg", m_folder.file("s.reg"));
    RegFileSettingsStore store(m_folder.file("s.reg"));
    store.createKey(kSettingsKey);
    store.writeNumber(kSettingsKey, kShare, 1);
    EXPECT_FALSE(store.keyExists(kSettingsKey));
    EXPECT_EQ(fs::read_symlink(m_folder.file("s.reg")), "s.reg");
    EXPECT_EQ(entriesIn(m_folder.path()), 1u);
}

TEST_F(RegFileSettingsStoreTest, AFolderInPlaceOfTheFileIsLeftAlone) {
    fs::create_directory(m_folder.file("s.reg"));
    RegFileSettingsStore store(m_folder.file("s.reg"));
    store.createKey(kSettingsKey);
    EXPECT_FALSE(store.keyExists(kSettingsKey));
    EXPECT_TRUE(fs::is_directory(m_folder.file("s.reg")));
}

// The name leaves no room for the temporary file's suffix, so every write fails, whoever runs
// the test.
TEST_F(RegFileSettingsStoreTest, AFailedWriteLeavesFileAndReadsAsTheyWere) {
    const std::string path = m_folder.file(std::string(250, 's'));
    const std::string content =
        std::string(kHeader) + std::string(kSettingsSection) + "\"filter\"=dword:00000001\r\n";
    test::writeFile(path, content);
    RegFileSettingsStore store(path);
    store.writeNumber(kSettingsKey, kFilter, 0);
    EXPECT_EQ(store.readNumber(kSettingsKey, kFilter), 1u);
    EXPECT_EQ(test::readFile(path), content);
    EXPECT_EQ(entriesIn(m_folder.path()), 1u);
}

TEST_F(RegFileSettingsStoreTest, ChangesMadeByAnotherProcessAreSeenAndKept) {
    RegFileSettingsStore first(m_path);
    first.createKey(kSettingsKey);
    first.writeNumber(kSettingsKey, kFilter, 1);
    RegFileSettingsStore second(m_path);
    second.writeNumber(kSettingsKey, kShare, 1);
    EXPECT_EQ(first.readNumber(kSettingsKey, kShare), 1u);
    first.writeNumber(kSettingsKey, kStats, 1);
    RegFileSettingsStore third(m_path);
    EXPECT_EQ(third.readNumber(kSettingsKey, kFilter), 1u);
    EXPECT_EQ(third.readNumber(kSettingsKey, kShare), 1u);
    EXPECT_EQ(third.readNumber(kSettingsKey, kStats), 1u);
}

TEST_F(RegFileSettingsStoreTest, ABatchWritesTheFileOnceAtItsEnd) {
    RegFileSettingsStore store(m_path);
    store.beginBatch();
    store.createKey(kSettingsKey);
    store.writeNumber(kSettingsKey, kFilter, 1);
    EXPECT_FALSE(fs::exists(m_path));
    EXPECT_EQ(store.readNumber(kSettingsKey, kFilter), 1u);
    store.endBatch();
    EXPECT_EQ(RegFileSettingsStore(m_path).readNumber(kSettingsKey, kFilter), 1u);
    EXPECT_EQ(modeOf(m_path), 0600u);
}

TEST_F(RegFileSettingsStoreTest, ALinkedSettingsFileStaysLinked) {
    const std::string real = m_folder.file("dotfiles.reg");
    test::writeFile(real, std::string(kHeader) + std::string(kSettingsSection));
    fs::create_symlink("dotfiles.reg", m_folder.file("s.reg"));
    RegFileSettingsStore store(m_folder.file("s.reg"));
    store.writeNumber(kSettingsKey, kFilter, 1);
    EXPECT_TRUE(fs::is_symlink(m_folder.file("s.reg")));
    EXPECT_EQ(RegFileSettingsStore(real).readNumber(kSettingsKey, kFilter), 1u);
}

TEST_F(RegFileSettingsStoreTest, RepeatedSectionsReadAsOneWithTheLaterValues) {
    test::writeFile(m_folder.file("s.reg"),
                    std::string(kHeader) + std::string(kSettingsSection) +
                        "\"filter\"=dword:00000001\r\n\"share\"=dword:00000001\r\n\r\n" +
                        "[HKEY_CURRENT_USER\\software\\talmir\\vorlix\\settings]\r\n"
                        "\"filter\"=dword:00000000\r\n\"stats\"=dword:00000001\r\n");
    RegFileSettingsStore store(m_folder.file("s.reg"));
    EXPECT_EQ(store.readNumber(kSettingsKey, kFilter), 0u);
    EXPECT_EQ(store.readNumber(kSettingsKey, kShare), 1u);
    EXPECT_EQ(store.readNumber(kSettingsKey, kStats), 1u);
    store.writeNumber(kSettingsKey, kLoadDb, 1);
    RegFileSettingsStore again(m_folder.file("s.reg"));
    EXPECT_EQ(again.readNumber(kSettingsKey, kFilter), 0u);
    EXPECT_EQ(again.readNumber(kSettingsKey, kStats), 1u);
}

TEST_F(RegFileSettingsStoreTest, AnExportFromTheRegistryEditorIsReadAndRewrittenAsUtf8) {
    const std::string exported =
        std::string(reg::kUtf16LeBom) +
        utf16leFromUtf8(std::string(kHeader) + std::string(kSettingsSection) +
                        "\"lnfo1\"=\"J\xC3\xBCrgen\"\r\n");
    test::writeFile(m_folder.file("s.reg"), exported);
    RegFileSettingsStore store(m_folder.file("s.reg"));
    EXPECT_EQ(store.readText(kSettingsKey, kLastLogName, kLogInfoLimit), "J\xC3\xBCrgen");
    store.writeNumber(kSettingsKey, kFilter, 1);
    EXPECT_EQ(test::readFile(m_folder.file("s.reg")),
              std::string(kHeader) + std::string(kSettingsSection) +
                  "\"lnfo1\"=\"J\xC3\xBCrgen\"\r\n\"filter\"=dword:00000001\r\n\r\n");
}

// A settings file no larger than the limit is read; one byte more and it is refused, told
// once however often it is read or written, and never rewritten.
TEST_F(RegFileSettingsStoreTest, AFileOverSixteenMegabytesIsLeftAsItIsAndToldOnce) {
    const std::string start =
        std::string(kHeader) + std::string(kSettingsSection) + "\"filter\"=dword:00000001\r\n;";
    for (const std::size_t size : {kLargestSettingsFile, kLargestSettingsFile + 1}) {
        const std::string path = m_folder.file("s.reg");
        const std::string content = start + std::string(size - start.size() - 2, 'x') + "\r\n";
        ASSERT_EQ(content.size(), size);
        test::writeFile(path, content);
        std::vector<std::string> told;
        RegFileSettingsStore store(path, [&told](const std::string& m) { told.push_back(m); });
        const bool tooLarge = size > kLargestSettingsFile;

        EXPECT_EQ(store.readNumber(kSettingsKey, kFilter), tooLarge ? 0u : 1u) << size;
        store.writeNumber(kSettingsKey, kShare, 1);
        EXPECT_EQ(store.readNumber(kSettingsKey, kShare), tooLarge ? 0u : 1u);
        store.writeNumber(kSettingsKey, kStats, 1);
        if (tooLarge) {
            EXPECT_EQ(told, std::vector<std::string>{
                                "The settings file \"" + path +
                                "\" is larger than 16 MB; it is left as it is. Every setting reads "
                                "as its default, and changed settings are not stored until the "
                                "file is repaired or replaced."});
            EXPECT_TRUE(test::readFile(path) == content) << "the refused file was rewritten";
        } else {
            EXPECT_TRUE(told.empty());
        }
    }
}

// Processes writing settings at the same time each keep the others' values: every write
// reads the file again under its lock.
TEST_F(RegFileSettingsStoreTest, ProcessesWritingAtTheSameTimeKeepEachOthersValues) {
    constexpr int kProcesses = 4;
    constexpr int kValuesEach = 25;
    RegFileSettingsStore(m_path).createKey(kSettingsKey);
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            RegFileSettingsStore store(m_path);
            for (int v = 0; v < kValuesEach; ++v) {
                store.writeNumber(kSettingsKey, "p" + std::to_string(p) + "v" + std::to_string(v),
                                  1);
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(status, 0);
    }
    const RegFileSettingsStore store(m_path);
    int kept = 0;
    for (int p = 0; p < kProcesses; ++p) {
        for (int v = 0; v < kValuesEach; ++v) {
            kept += static_cast<int>(
                store.readNumber(kSettingsKey, "p" + std::to_string(p) + "v" + std::to_string(v)));
        }
    }
    EXPECT_EQ(kept, kProcesses * kValuesEach);
}

// Held by another program for longer than a change waits (five seconds): the change is not
// stored, and the user is told which file and why.
TEST_F(RegFileSettingsStoreTest, AChangeGivesUpOnAFileLockedTooLongAndSaysSo) {
    std::vector<std::string> told;
    RegFileSettingsStore store(m_path, [&told](const std::string& m) { told.push_back(m); });
    store.createKey(kSettingsKey);
    const std::string before = test::readFile(m_path);
    FileLock elsewhere;
    ASSERT_TRUE(elsewhere.acquire(m_path).ok());

    store.writeNumber(kSettingsKey, kFilter, 1);
    EXPECT_EQ(store.readNumber(kSettingsKey, kFilter), 0u);
    EXPECT_EQ(test::readFile(m_path), before);
    EXPECT_EQ(told, std::vector<std::string>{
                        "Could not store the settings in \"" + m_path +
                        "\": another program is changing it (it stayed locked for 5 seconds). "
                        "The file on disk was not changed."});
}

}  // namespace
}  // namespace vorlix
