#include <gtest/gtest.h>

#include "platform/disc/cda_file.h"
#include "platform/disc/disc_test_support.h"

namespace vorlix {
namespace {

constexpr std::size_t kRawSectorSize = 2352;
constexpr std::uint32_t kTrackSectors = 300;  // 4 seconds

// A CUE sheet and BIN file of an audio CD with three tracks of 300 sectors each.
class AudioImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeFile(m_dir.file("audio.bin"),
                        std::string(3 * kTrackSectors * kRawSectorSize, '\0'));
        test::writeFile(m_dir.file("audio.cue"),
                        "FILE \"audio.bin\" BINARY\n"
                        "  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                        "  TRACK 02 AUDIO\n    INDEX 01 00:04:00\n"
                        "  TRACK 03 AUDIO\n    INDEX 01 00:08:00\n");
        m_volume = m_drives.drives().open(m_drives.drives().addImage(m_dir.file("audio.cue")).root);
        ASSERT_TRUE(m_volume);
    }

    // Starts 0, 300 and 600 play at 00:02:00, 00:06:00 and 00:10:00.
    static constexpr std::uint32_t kSerial = 0x000200 + 0x000600 + 0x000A00;

    test::TempDir m_dir;
    test::DrivesWithoutHardware m_drives;
    std::unique_ptr<DiscVolume> m_volume;
};

TEST_F(AudioImageTest, ShowsOneTrackFileOfFortyFourBytesPerTrack) {
    EXPECT_TRUE(m_volume->ready());
    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(m_volume->list("", entries));
    EXPECT_EQ(entries, (std::vector<DirectoryEntry>{{"Track01.cda", false, 44},
                                                    {"Track02.cda", false, 44},
                                                    {"Track03.cda", false, 44}}));
    EXPECT_FALSE(m_volume->list("Track01.cda", entries));
}

TEST_F(AudioImageTest, IsIdentifiedByItsTableOfContents) {
    const auto identity = m_volume->identity();
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->label, "Audio CD");
    EXPECT_EQ(identity->serial, kSerial);

    const auto toc = m_volume->audioToc();
    ASSERT_TRUE(toc);
    EXPECT_EQ(toc->firstTrack, 1);
    EXPECT_EQ(toc->trackStarts, (std::vector<std::uint32_t>{0, 300, 600}));
    EXPECT_EQ(toc->leadOut, 900u);
}

TEST_F(AudioImageTest, TrackFilesHoldTheirTrackDiscSerialAndTimes) {
    const auto toc = m_volume->audioToc();
    ASSERT_TRUE(toc);
    // Track 2: start 300 (00:06:00 with the lead-in), 300 sectors long (00:04:00).
    const std::string expected{
        "RIFF"
        "\x24\x00\x00\x00"
        "CDDA"
        "fmt "
        "\x18\x00\x00\x00"
        "\x01\x00"
        "\x02\x00"
        "\x00\x12\x00\x00"
        "\x2C\x01\x00\x00"
        "\x2C\x01\x00\x00"
        "\x00\x06\x00\x00"
        "\x00\x04\x00\x00",
        44};
    EXPECT_EQ(cdaFileOf(*toc, "Track02.cda"), expected);
    EXPECT_EQ(cdaFileOf(*toc, "TRACK02.CDA"), expected);
    // The last track runs to the lead-out.
    EXPECT_EQ(cdaFileOf(*toc, "Track03.cda")->substr(32, 4), std::string("\x2C\x01\x00\x00", 4));
    EXPECT_FALSE(cdaFileOf(*toc, "Track04.cda"));
    EXPECT_FALSE(cdaFileOf(*toc, "Track02.wav"));
}

TEST(AudioImage, UnreadableCueSheetOpensAsNotReady) {
    test::TempDir dir;
    test::DrivesWithoutHardware drives;
    test::writeFile(dir.file("broken.cue"), "FILE \"missing.bin\" BINARY\n");
    const auto volume = drives.drives().open(drives.drives().addImage(dir.file("broken.cue")).root);
    ASSERT_TRUE(volume);
    EXPECT_FALSE(volume->ready());
    EXPECT_FALSE(volume->identity());
}

}  // namespace
}  // namespace vorlix
