#include "platform/disc/cue_track_files.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

using Files = std::vector<std::string>;

TEST(CueTrackFiles, TakesTheNameOfEveryFileCommand) {
    const struct {
        std::string_view sheet;
        Files files;
    } cases[] = {
        {"FILE \"Disc One.bin\" BINARY\r\n  TRACK 01 AUDIO\r\n", {"Disc One.bin"}},
        {"REM x\n file track1.wav WAVE\n\tFILE track2.wav WAVE", {"track1.wav", "track2.wav"}},
        {"FILE \"open quote.bin BINARY\n", {"open quote.bin BINARY"}},
        {"FILENAME x.bin\nTITLE \"FILE y.bin\"\nFILE\nFILE \"\" BINARY\n", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cueTrackFiles(c.sheet), c.files) << c.sheet;
    }
}

TEST(CueTrackFiles, TrackNumbersMustCountUpFromOneToNinetyNine) {
    const struct {
        std::string_view sheet;
        bool inOrder;
    } cases[] = {
        {"FILE a.bin BINARY\r\n  TRACK 01 AUDIO\r\n  TRACK 02 AUDIO\r\n  track 3 MODE1/2352\n",
         true},
        {"FILE a.wav WAVE\n TRACK 98 AUDIO\nFILE b.wav WAVE\n TRACK 99 AUDIO\n", true},
        {"REM no tracks at all\n", true},
        {"TRACK 99 AUDIO\nTRACK 02 AUDIO\n", false},
        {"TRACK 01 AUDIO\nTRACK 03 AUDIO\n", false},
        {"TRACK 01 AUDIO\nTRACK 01 AUDIO\n", false},
        {"TRACK 00 AUDIO\n", false},
        {"TRACK 100 AUDIO\n", false},
        {"TRACK 99:59:7401 MODE1/2352\n", false},
        {"TRACK -1 AUDIO\n", false},
        {"TRACK\tAUDIO\n", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cueTracksInOrder(c.sheet), c.inOrder) << c.sheet;
    }
}

}  // namespace
}  // namespace vorlix
