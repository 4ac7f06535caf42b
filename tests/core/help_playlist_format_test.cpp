#include "core/help_playlist_format.h"

#include <gtest/gtest.h>

#include "core/archive_reader.h"
#include "core/code_page.h"
#include "support/archive_bytes.h"

namespace vorlix {
namespace {

const Windows1252 kCodePage;

TEST(HelpPlaylistFormatTest, WritesAndReadsTheArchivedList) {
    const std::vector<CQXHPlaylist> items = {{"12", "Track01.cda"}, {"3", "Beach 001.jpg"}};
    const std::string bytes = writeHelpPlaylist(items, kCodePage);
    EXPECT_EQ(bytes, test::ArchiveBytes()
                         .word(2)
                         .newClass("CQXHPlaylist", 0)
                         .text("Track01.cda")
                         .text("12")
                         .word(0x8001)
                         .text("Beach 001.jpg")
                         .text("3")
                         .str());
    MemorySource source(bytes);
    const auto back = readHelpPlaylist(source, kCodePage);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].discNumber, "3");
    EXPECT_EQ(back[1].fileName, "Beach 001.jpg");
}

TEST(HelpPlaylistFormatTest, RefusesRecordsOfAnotherClass) {
    // Followed by the two texts of a playlist record, which a reader that took the record would
    // read as one.
    const std::string bytes =
        test::ArchiveBytes().word(1).newClass("CQXFileData", 0).text("Track01.cda").text("12");
    MemorySource source(bytes);
    try {
        readHelpPlaylist(source, kCodePage);
        FAIL() << "read a record of another class";
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.offset(), 19u);
        EXPECT_STREQ(e.what(), "expected a new CQXHPlaylist object");
    }
}

}  // namespace
}  // namespace vorlix
