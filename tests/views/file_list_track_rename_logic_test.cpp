#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/file_data.h"
#include "views/logic/file_list_file_opener.h"
#include "views/logic/file_list_row.h"
#include "views/logic/file_list_track_rename.h"

namespace vorlix {
namespace {

struct RenameCase {
    std::string remembered;
    std::string newText;
    std::string rowName;
};

class TrackRenaming : public testing::TestWithParam<RenameCase> {};

TEST_P(TrackRenaming, KeepsTheTrackNumberInFrontOnce) {
    const RenameCase& c = GetParam();
    const std::optional<TrackNames> names = renamedTrack(c.remembered, c.newText);
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(names->rowName, c.rowName);
    EXPECT_EQ(names->entryName, c.rowName + ".cda");
}

INSTANTIATE_TEST_SUITE_P(
    Tracks, TrackRenaming,
    testing::Values(
        // A track not yet named: the number is the last two characters.
        RenameCase{"Track03", "Intro", "03 Intro"}, RenameCase{"Track12", "12 Intro", "12 Intro"},
        // A named track: the number is the text before the first space.
        RenameCase{"03 Intro", "03 Overture", "03 Overture"},
        RenameCase{"03 Intro", "Overture", "03 Overture"},
        RenameCase{"03 Intro", "3 Overture", "03 3 Overture"}, RenameCase{"03 Intro", "03", "03"},
        RenameCase{"03", "Finale", "03 Finale"}, RenameCase{"T", "Intro", "T Intro"}));

TEST(TrackRenaming, EmptyTextChangesNothing) {
    EXPECT_EQ(renamedTrack("Track03", ""), std::nullopt);

    CQXFileData entry("Track03.cda", "d:\\", "44", "d:");
    FileListRow row = fileListRow(entry);
    EXPECT_FALSE(renameTrackRow(row, ""));
    EXPECT_EQ(row.name, "Track03");
    EXPECT_EQ(entry.name(), "Track03.cda");
}

TEST(TrackRenaming, RenamesTheRowAndItsEntryTogether) {
    CQXFileData entry("Track03.cda", "d:\\", "44", "d:");
    FileListRow row = fileListRow(entry);
    ASSERT_TRUE(isAudioTrackRow(row));
    ASSERT_TRUE(renameTrackRow(row, "Intro"));
    EXPECT_EQ(row.name, "03 Intro");
    EXPECT_EQ(row.nameKey, "03 intro");
    EXPECT_EQ(entry.name(), "03 Intro.cda");
    ASSERT_TRUE(renameTrackRow(row, "03 Overture"));
    EXPECT_EQ(entry.name(), "03 Overture.cda");
}

TEST(TrackRenaming, OnlyAudioTracksAreRenamed) {
    CQXFileData text("notes.txt", "d:\\", "4", "d:");
    CQXFileData noExtension("cda", "d:\\", "4", "d:");
    EXPECT_FALSE(isAudioTrackRow(fileListRow(text)));
    EXPECT_FALSE(isAudioTrackRow(fileListRow(noExtension)));
    CQXFileData upper("TRACK01.CDA", "d:\\", "44", "d:");
    EXPECT_TRUE(isAudioTrackRow(fileListRow(upper)));
}

struct OpeningCase {
    std::string name;
    std::string folder;
    std::string path;
};

class OpeningPath : public testing::TestWithParam<OpeningCase> {};

TEST_P(OpeningPath, RenamedTracksOpenByTheirTrackFile) {
    const OpeningCase& c = GetParam();
    EXPECT_EQ(openingPath(CQXFileData(c.name, c.folder, "44", "d:")), c.path);
}

INSTANTIATE_TEST_SUITE_P(Paths, OpeningPath,
                         testing::Values(OpeningCase{"song.mp3", "d:\\music\\",
                                                     "d:\\music\\song.mp3"},
                                         OpeningCase{"03 Intro.cda", "d:\\", "d:\\Track03.cda"},
                                         OpeningCase{"Track03.cda", "d:\\", "d:\\Track03.cda"}));

TEST(InsertDiscQuestion, NamesTheDisc) {
    EXPECT_EQ(insertDiscQuestion("12"), "Please, insert CD 12 and then press OK.");
}

}  // namespace
}  // namespace vorlix
