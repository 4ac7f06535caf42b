#include "platform/disc/volume_serial.h"

#include <gtest/gtest.h>

#include "platform/disc/cd_time.h"

namespace vorlix {
namespace {

Sector sectorWith(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    Sector sector{};
    for (const auto& [at, value] : bytes) {
        sector[at] = value;
    }
    return sector;
}

TEST(IsoVolumeSerial, DescriptorHeaderAloneGivesTheKnownSerial) {
    const Sector header =
        sectorWith({{0, 0x01}, {1, 'C'}, {2, 'D'}, {3, '0'}, {4, '0'}, {5, '1'}, {6, 0x01}});
    EXPECT_EQ(isoVolumeSerial(header), 0x31744530u);
}

TEST(IsoVolumeSerial, EachByteCountsInTheSumOfItsPositionModuloFour) {
    // 0x80 twice in the same sum wraps to zero; the other sums keep their single bytes.
    const Sector sector =
        sectorWith({{0, 0x80}, {2044, 0x80}, {5, 0x11}, {2046, 0x22}, {2047, 0x33}});
    EXPECT_EQ(isoVolumeSerial(sector), 0x00112233u);
}

TEST(UdfVolumeSerial, CombinesTheSameSumsTheOtherWayRound) {
    const Sector sector = sectorWith({{0, 0x01}, {1, 0x02}, {6, 0x03}, {2047, 0x04}});
    EXPECT_EQ(udfVolumeSerial(sector), 0x04030201u);
    EXPECT_EQ(isoVolumeSerial(sector), 0x01020304u);
}

TEST(AudioDiscSerial, SumsThePackedStartTimesOfThreeOrMoreTracks) {
    EXPECT_EQ(audioDiscSerial({1, {0, 15000, 30000}, 45000}), 0x00094200u);
    // The lead-out does not count with three tracks.
    EXPECT_EQ(audioDiscSerial({1, {0, 15000, 30000}, 99999}), 0x00094200u);
}

TEST(AudioDiscSerial, AddsTheFramesUpToTheLeadOutForOneOrTwoTracks) {
    // Track start 0 plays at 00:02:00, 15000 at 03:22:00.
    EXPECT_EQ(audioDiscSerial({1, {0}, 20000}), 0x000200u + 20000u);
    EXPECT_EQ(audioDiscSerial({1, {0, 15000}, 20000}), 0x000200u + 0x031600u + 20000u);
    EXPECT_EQ(audioDiscSerial({1, {182, 15000}, 20000}), 0x000420u + 0x031600u + (20000u - 182u));
}

TEST(CdTime, CountsTheLeadInAndSplitsIntoMinutesSecondsFrames) {
    const CdTime start = cdTimeOfSector(0);
    EXPECT_EQ(start.minutes, 0u);
    EXPECT_EQ(start.seconds, 2u);
    EXPECT_EQ(start.frames, 0u);
    const CdTime late = cdTimeOfFrames(4500 * 61 + 75 * 59 + 74);
    EXPECT_EQ(late.minutes, 61u);
    EXPECT_EQ(late.seconds, 59u);
    EXPECT_EQ(late.frames, 74u);
}

}  // namespace
}  // namespace vorlix
