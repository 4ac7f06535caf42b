#include "platform/disc/cda_file.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

TEST(CdaFile, NamesTracksWithTwoDigits) {
    EXPECT_EQ(cdaFileName(1), "Track01.cda");
    EXPECT_EQ(cdaFileName(12), "Track12.cda");
}

TEST(CdaFile, WritesTheRiffChunkLittleEndian) {
    // Track 3 starts at sector 33000 (07:22:00 with the lead-in) and lasts 4567 sectors
    // (01:00:67).
    const std::string bytes = cdaFileContent(3, 0x12345678, 33000, 4567);
    const std::string expected{
        "RIFF"
        "\x24\x00\x00\x00"
        "CDDA"
        "fmt "
        "\x18\x00\x00\x00"
        "\x01\x00"
        "\x03\x00"
        "\x78\x56\x34\x12"
        "\xE8\x80\x00\x00"
        "\xD7\x11\x00\x00"
        "\x00\x16\x07\x00"
        "\x43\x00\x01\x00",
        44};
    ASSERT_EQ(bytes.size(), kCdaFileSize);
    EXPECT_EQ(bytes, expected);
}

}  // namespace
}  // namespace vorlix
