#include "app/settings/drive_map_settings.h"

#include <gtest/gtest.h>

#include "app/setting_names.h"
#include "support/memory_settings.h"

namespace vorlix {
namespace {

TEST(DriveMapSettings, ReadsTheDevicePathOfEachLetter) {
    test::MemorySettings settings;
    const std::string key(setting::kDriveMapKey);
    settings.texts[{key, "e:"}] = "/dev/sr0";
    settings.texts[{key, "z:"}] = "/dev/sr1";
    settings.texts[{key, "g:"}] = "";
    settings.texts[{key, "c:"}] = "/dev/sda";
    settings.texts[{std::string(setting::kSettingsKey), "d:"}] = "/dev/sr2";

    EXPECT_EQ(readDriveMap(settings), (DriveLetterMap{{'E', "/dev/sr0"}, {'Z', "/dev/sr1"}}));
    EXPECT_TRUE(readDriveMap(test::MemorySettings()).empty());
}

}  // namespace
}  // namespace vorlix
