#include <gtest/gtest.h>

#include "platform/disc/crafted_images.h"
#include "platform/disc/disc_test_support.h"
#include "platform/disc/file_sector_source.h"
#include "platform/disc/udf_volume.h"

namespace vorlix {
namespace {

using test::sortedByName;
using test::writeSized;

// An image of a small tree written by genisoimage, read through its UDF file system.
class UdfImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeSized(m_dir.file("tree/ReadMe.TXT"), 6);
        writeSized(m_dir.file("tree/Caf\u00E9 \u65E5\u672C.txt"), 9);
        writeSized(m_dir.file("tree/Music/Rock/Song Title.MP3"), 5000);
        writeSized(m_dir.file("tree/Music/Rock/b-side.ogg"), 70000);
        writeSized(m_dir.file("tree/Docs/notes.txt"), 12);
        test::runTool("genisoimage -udf -input-charset utf-8 -o '" + m_dir.file("udf.iso") + "' '" +
                      m_dir.file("tree") + "'");
        m_volume = UdfVolume::open(m_dir.file("udf.iso"), std::nullopt);
        ASSERT_TRUE(m_volume);
    }

    std::vector<DirectoryEntry> list(std::string_view path) {
        std::vector<DirectoryEntry> entries;
        EXPECT_TRUE(m_volume->list(path, entries)) << path;
        return sortedByName(entries);
    }

    test::TempDir m_dir;
    std::unique_ptr<UdfVolume> m_volume;
};

TEST_F(UdfImageTest, ListsItsTreeWithNamesAndSizes) {
    EXPECT_EQ(list(""), (std::vector<DirectoryEntry>{{"Caf\u00E9 \u65E5\u672C.txt", false, 9},
                                                     {"Docs", true, 0},
                                                     {"Music", true, 0},
                                                     {"ReadMe.TXT", false, 6}}));
    EXPECT_EQ(list("Music/Rock"), (std::vector<DirectoryEntry>{{"Song Title.MP3", false, 5000},
                                                               {"b-side.ogg", false, 70000}}));
    std::vector<DirectoryEntry> entries{{"stale", false, 1}};
    EXPECT_FALSE(m_volume->list("Missing", entries));
    EXPECT_TRUE(entries.empty());
}

// A folder asked for before its parent was listed is found all the same, in the same place.
TEST_F(UdfImageTest, EachFolderHasAPlaceOfItsOwn) {
    const auto rock = m_volume->place("Music/Rock");
    ASSERT_TRUE(rock);
    EXPECT_EQ(list("Docs"), (std::vector<DirectoryEntry>{{"notes.txt", false, 12}}));
    const auto root = m_volume->place("");
    const auto music = m_volume->place("Music");
    ASSERT_TRUE(root && music);
    EXPECT_NE(*root, *music);
    EXPECT_NE(*music, *rock);
    EXPECT_EQ(m_volume->place("Music/Rock"), rock);
    EXPECT_FALSE(m_volume->place("Music/None"));
}

TEST(UdfImage, AnImageWithoutUdfGivesNoVolume) {
    test::TempDir dir;
    writeSized(dir.file("tree/a.txt"), 1);
    EXPECT_FALSE(UdfVolume::open(test::isoImage(dir.file("tree"), dir.file("iso.iso")), {}));
    EXPECT_FALSE(UdfVolume::open(dir.file("none.iso"), {}));
}

}  // namespace
}  // namespace vorlix
