#include "core/file_data.h"

#include <gtest/gtest.h>

#include "core/file_entries.h"

namespace vorlix {
namespace {

TEST(CQXFileDataTest, KeepsEachFieldApartWhateverItsLength) {
    const std::string longFolder = "d:\\" + std::string(300, 'f') + "\\";
    const std::string hugeName(70000, 'n');
    CQXFileData entry("song.mp3", longFolder, "-1", "d:");
    EXPECT_EQ(entry.name(), "song.mp3");
    EXPECT_EQ(entry.folder(), longFolder);
    EXPECT_EQ(entry.size(), "-1");
    EXPECT_EQ(entry.drive(), "d:");
    EXPECT_EQ(entry.discNumber(), "");

    entry.setName(hugeName);
    entry.setDiscNumber("12");
    entry.setSize("");
    EXPECT_EQ(entry.name(), hugeName);
    EXPECT_EQ(entry.folder(), longFolder);
    EXPECT_EQ(entry.size(), "");
    EXPECT_EQ(entry.drive(), "d:");
    EXPECT_EQ(entry.discNumber(), "12");
}

TEST(CQXFileDataTest, StartsEmptyAndTakesBytesOfAnyValue) {
    CQXFileData entry;
    EXPECT_EQ(entry.name(), "");
    EXPECT_EQ(entry.discNumber(), "");
    const std::string binary("a\0b\x80\xFF", 5);
    entry.setDrive(binary);
    EXPECT_EQ(entry.drive(), binary);
    EXPECT_EQ(entry.name(), "");
}

TEST(CQXFileDataTest, EntriesOfAListCopyMoveAndChangeIndependently) {
    FileEntries entries;
    for (int i = 0; i < 3000; ++i) {
        entries.emplace_back("file" + std::to_string(i) + ".txt", "d:\\folder\\", "10", "d:", "0");
    }
    entries.emplace_back(std::string(40000, 'L'), "d:\\", "1", "d:", "0");
    EXPECT_EQ(entries[2999].name(), "file2999.txt");
    EXPECT_EQ(entries.back().name().size(), 40000u);

    CQXFileData copy = entries[5];
    entries[5].setName("renamed.txt");
    EXPECT_EQ(copy.name(), "file5.txt");
    EXPECT_EQ(entries[5].name(), "renamed.txt");
    EXPECT_EQ(entries[5].folder(), "d:\\folder\\");

    CQXFileData moved = std::move(entries[5]);
    EXPECT_EQ(moved.name(), "renamed.txt");
    copy = std::move(moved);
    EXPECT_EQ(copy.name(), "renamed.txt");
    copy.editCategories().push_back("Work");
    CQXFileData second = copy;
    EXPECT_EQ(second.categories(), std::vector<std::string>{"Work"});
    EXPECT_EQ(entries[4].folder(), "d:\\folder\\");
    EXPECT_EQ(entries[6].name(), "file6.txt");
    copy.setCategories({});
    EXPECT_TRUE(copy.categories().empty());
}

}  // namespace
}  // namespace vorlix
