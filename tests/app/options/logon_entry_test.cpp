#include "platform/logon_entry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/result_assertions.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

TEST(LogonEntryTest, IsWrittenIntoTheAutostartFolderAndRemoved) {
    test::TempDir folder;
    LogonEntry entry(folder.file("config/autostart/"), "/opt/vorlix/bin/vorlix");
    EXPECT_EQ(entry.path(), folder.file("config/autostart/vorlix.desktop"));
    EXPECT_FALSE(entry.present());

    EXPECT_TRUE(test::succeeded(entry.set(true)));
    EXPECT_TRUE(entry.present());
    EXPECT_EQ(test::readFile(entry.path()),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Vorlix\n"
              "Comment=Starts Vorlix when you log in\n"
              "Exec=/opt/vorlix/bin/vorlix\n"
              "Icon=vorlix\n"
              "Terminal=false\n"
              "X-GNOME-Autostart-enabled=true\n");

    EXPECT_TRUE(test::succeeded(entry.set(false)));
    EXPECT_FALSE(entry.present());
    EXPECT_TRUE(test::succeeded(entry.set(false)));  // none there: nothing to do
}

TEST(LogonEntryTest, ReplacesAnEarlierEntryAndQuotesTheProgram) {
    test::TempDir folder;
    test::writeFile(folder.file("vorlix.desktop"), "[Desktop Entry]\nExec=/old/QX2\n");
    LogonEntry entry(folder.path(), "/home/ann/My Apps/vorlix");
    EXPECT_TRUE(test::succeeded(entry.set(true)));
    const std::string text = test::readFile(entry.path());
    EXPECT_NE(text.find("\nExec=\"/home/ann/My Apps/vorlix\"\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("/old/QX2"), std::string::npos);
}

TEST(LogonEntryTest, SaysWhyItCannotBeWrittenOrRemoved) {
    test::TempDir folder;
    test::writeFile(folder.file("config"), "a file where the folder belongs");
    LogonEntry blocked(folder.file("config/autostart"), "/usr/bin/vorlix");
    const Result written = blocked.set(true);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(
        written.message().rfind("Cannot create the folder " + folder.file("config/autostart"), 0),
        0u)
        << written.message();
    EXPECT_EQ(test::readFile(folder.file("config")), "a file where the folder belongs");

    // A folder in the entry's place cannot be removed as the entry is.
    std::filesystem::create_directories(folder.file("autostart/vorlix.desktop"));
    test::writeFile(folder.file("autostart/vorlix.desktop/keep"), "kept");
    LogonEntry entry(folder.file("autostart"), "/usr/bin/vorlix");
    const Result removed = entry.set(false);
    ASSERT_FALSE(removed.ok());
    EXPECT_EQ(removed.message().rfind("Cannot remove " + entry.path() + ": ", 0), 0u)
        << removed.message();
    EXPECT_EQ(test::readFile(folder.file("autostart/vorlix.desktop/keep")), "kept");
}

}  // namespace
}  // namespace vorlix
