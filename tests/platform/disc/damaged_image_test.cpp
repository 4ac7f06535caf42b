#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/disc/crafted_images.h"
#include "platform/disc/disc_test_support.h"

namespace vorlix {
namespace {

// What opening an image that is none, or not whole, tells: the volume is not ready and its
// problem names the file and what is wrong with it.
struct DamageCase {
    const char* name;
    const char* file;
    std::function<void(test::TempDir& dir)> make;
    std::function<std::string(test::TempDir& dir)> problem;
};

const std::string kTrack = "FILE \"%s\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n";

std::string cueNaming(const std::string& track) {
    std::string sheet = kTrack;
    sheet.replace(sheet.find("%s"), 2, track);
    return sheet;
}

std::string goodImage(test::TempDir& dir) {
    test::writeSized(dir.file("tree/Folder/file.txt"), 70000);
    return test::isoImage(dir.file("tree"), dir.file("good.iso"));
}

class DamagedImageTest : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedImageTest, OpensAsNotReadyAndSaysWhatIsWrong) {
    test::TempDir dir;
    GetParam().make(dir);
    test::DrivesWithoutHardware drives;
    const std::string path = dir.file(GetParam().file);
    const auto volume = drives.drives().open(drives.drives().addImage(path).root);
    ASSERT_TRUE(volume);
    EXPECT_FALSE(volume->ready());
    EXPECT_FALSE(volume->identity());
    EXPECT_EQ(volume->problem(), path + ": " + GetParam().problem(dir));
}

INSTANTIATE_TEST_SUITE_P(
    Images, DamagedImageTest,
    testing::Values(
        DamageCase{"NoImage", "text.iso",
                   [](test::TempDir& dir) { test::writeSized(dir.file("text.iso"), 100000); },
                   [](test::TempDir&) { return std::string("not a disc image"); }},
        DamageCase{
            "Empty", "empty.iso",
            [](test::TempDir& dir) { test::writeFile(dir.file("empty.iso"), ""); },
            [](test::TempDir&) { return std::string("not a disc image (the file is empty)"); }},
        DamageCase{"Missing", "missing.iso", [](test::TempDir&) {},
                   [](test::TempDir&) { return std::string("the file is missing"); }},
        DamageCase{
            "Fifo", "fifo.iso",
            [](test::TempDir& dir) { ASSERT_EQ(::mkfifo(dir.file("fifo.iso").c_str(), 0644), 0); },
            [](test::TempDir&) { return std::string("the file is not a regular file"); }},
        DamageCase{"CutShort", "cut.iso",
                   [](test::TempDir& dir) {
                       const std::string good = test::readFile(goodImage(dir));
                       test::writeFile(dir.file("cut.iso"), good.substr(0, 60000));
                   },
                   [](test::TempDir& dir) {
                       return "the image is cut short: its volume takes " +
                              std::to_string(std::filesystem::file_size(dir.file("good.iso"))) +
                              " bytes, the file holds 60000";
                   }},
        DamageCase{"CueWithoutTrackFile", "audio.cue",
                   [](test::TempDir& dir) {
                       test::writeFile(dir.file("audio.cue"), cueNaming("missing.bin"));
                   },
                   [](test::TempDir& dir) {
                       return "the track file " + dir.file("missing.bin") + " is missing";
                   }},
        DamageCase{"CueWithFifoTrack", "audio.cue",
                   [](test::TempDir& dir) {
                       ASSERT_EQ(::mkfifo(dir.file("pipe.bin").c_str(), 0644), 0);
                       test::writeFile(dir.file("audio.cue"), cueNaming("pipe.bin"));
                   },
                   [](test::TempDir& dir) {
                       return "the track file " + dir.file("pipe.bin") + " is not a regular file";
                   }}),
    [](const testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

TEST(DamagedImage, AWholeImageOpensAsReady) {
    test::TempDir dir;
    test::DrivesWithoutHardware drives;
    const auto volume = drives.drives().open(drives.drives().addImage(goodImage(dir)).root);
    ASSERT_TRUE(volume);
    EXPECT_TRUE(volume->ready());
    EXPECT_EQ(volume->problem(), "");
}

}  // namespace
}  // namespace vorlix
