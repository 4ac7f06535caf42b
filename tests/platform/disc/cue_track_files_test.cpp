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

}  // namespace
}  // namespace vorlix
