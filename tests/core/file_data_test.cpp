#include "core/file_data.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vorlix
