#include <gtest/gtest.h>

#include "core/catalog.h"
#include "support/fake_disc_volume.h"
#include "views/logic/categories_drive_rows.h"

namespace vorlix {
namespace {

CQXCatalog catalogueWithSerials() {
    CQXCatalog catalogue;
    const std::vector<std::array<const char*, 3>> discs = {{"3", "FIRST", "-392039741"},
                                                           {"12", "BACKUP", "-392039741"},
                                                           {"13", "BLANK", ""},
                                                           {"14", "OTHER", "1234"}};
    for (const auto& [number, name, serial] : discs) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(number);
        disc->setName(name);
        disc->setSerial(serial);
        catalogue.appendDisc(std::move(disc));
    }
    return catalogue;
}

struct RowCase {
    DriveProbe probe;
    std::string row;
};

class DriveRowText : public testing::TestWithParam<RowCase> {};

TEST_P(DriveRowText, ShowsWhatTheDriveHolds) {
    EXPECT_EQ(driveRowText(GetParam().probe, catalogueWithSerials()), GetParam().row);
}

// 3902927555 is -392039741 as a signed 32-bit number, the form the catalogue keeps.
INSTANTIATE_TEST_SUITE_P(
    Forms, DriveRowText,
    testing::Values(RowCase{{"D:\\", false, VolumeIdentity{"X", 1234}}, "D:\\Not ready!"},
                    RowCase{{"D:\\", true, VolumeIdentity{"LABEL", 3902927555u}},
                            "D:\\ BACKUP Nr:12"},
                    RowCase{{"E:\\", true, VolumeIdentity{"LABEL", 1234}}, "E:\\ OTHER Nr:14"},
                    RowCase{{"D:\\", true, VolumeIdentity{"MY DISC", 77}}, "D:\\ MY DISC Info N/A"},
                    RowCase{{"D:\\", true, VolumeIdentity{"", 0}}, "D:\\  Info N/A"},
                    RowCase{{"D:\\", true, std::nullopt}, "D:\\Untitled"}));

TEST(DriveRows, ProbesEveryOpticalDriveInOrder) {
    test::FakeDiscDrives drives;
    drives.addDrive(test::FakeDiscVolume::noMedium());
    drives.addDrive()->setIdentity("DATA", 42);
    drives.addDrive()->volumeIdentity.reset();

    const std::vector<DriveProbe> probes = probeDrives(drives);
    ASSERT_EQ(probes.size(), 3u);
    EXPECT_EQ(probes[0].root, "D:\\");
    EXPECT_FALSE(probes[0].ready);
    EXPECT_EQ(probes[1].root, "E:\\");
    EXPECT_TRUE(probes[1].ready);
    ASSERT_TRUE(probes[1].identity);
    EXPECT_EQ(probes[1].identity->label, "DATA");
    EXPECT_EQ(probes[1].identity->serial, 42u);
    EXPECT_TRUE(probes[2].ready);
    EXPECT_FALSE(probes[2].identity);
}

TEST(DriveRows, ScanTextEndsAtTheFirstBackslash) {
    EXPECT_EQ(scanDriveText("D:\\ BACKUP\\X Nr:12"), "D:\\");
    EXPECT_EQ(scanDriveText("E:\\Not ready!"), "E:\\");
    EXPECT_EQ(scanDriveText("odd"), "odd");
}

}  // namespace
}  // namespace vorlix
