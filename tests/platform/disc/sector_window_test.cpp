#include "platform/disc/sector_window.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/disc/memory_sectors.h"

namespace vorlix {
namespace {

using Request = std::pair<std::uint32_t, std::uint32_t>;

// A medium in memory whose sectors each hold their own number, and which notes every request.
class CountingSectors final : public SectorSource {
public:
    explicit CountingSectors(std::uint32_t sectors) {
        for (std::uint32_t lba = 0; lba < sectors; ++lba) {
            medium.at(lba).fill(static_cast<std::uint8_t>(lba));
        }
    }

    bool read(std::uint32_t lba, Sector& sector) override { return medium.read(lba, sector); }
    bool readRun(std::uint32_t lba, std::uint32_t count, std::uint8_t* bytes) override {
        runs.emplace_back(lba, count);
        return SectorSource::readRun(lba, count, bytes);
    }

    test::MemorySectors medium;
    std::vector<Request> runs;
};

// The number each of count sectors from bytes on holds.
std::vector<int> numbers(const std::uint8_t* bytes, std::uint32_t count) {
    std::vector<int> found;
    for (std::uint32_t i = 0; i < count; ++i) {
        found.push_back(bytes[i * kSectorSize + kSectorSize - 1]);
    }
    return found;
}

TEST(SectorWindow, ReadsAheadAndServesWhatFollowsFromMemory) {
    CountingSectors medium(100);
    SectorWindow window(medium, 8, 100);
    const std::uint8_t* first = window.sectors(10, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(numbers(first, 1), (std::vector<int>{10}));
    const std::uint8_t* inside = window.sectors(15, 3);
    ASSERT_NE(inside, nullptr);
    EXPECT_EQ(numbers(inside, 3), (std::vector<int>{15, 16, 17}));
    EXPECT_EQ(medium.runs, (std::vector<Request>{{10, 8}}));

    const std::uint8_t* across = window.sectors(17, 2);
    ASSERT_NE(across, nullptr);
    EXPECT_EQ(numbers(across, 2), (std::vector<int>{17, 18}));
    EXPECT_EQ(medium.runs, (std::vector<Request>{{10, 8}, {17, 8}}));
}

TEST(SectorWindow, StopsAtTheEndAndRefusesWhatPassesItOrTheCapacity) {
    CountingSectors medium(100);
    SectorWindow window(medium, 8, 12);
    ASSERT_NE(window.sectors(10, 1), nullptr);
    EXPECT_EQ(medium.runs, (std::vector<Request>{{10, 2}}));
    EXPECT_EQ(window.sectors(11, 2), nullptr);
    EXPECT_EQ(window.sectors(12, 1), nullptr);
    EXPECT_EQ(window.sectors(0, 9), nullptr);
    EXPECT_EQ(window.sectors(0, 0), nullptr);
    EXPECT_EQ(medium.runs, (std::vector<Request>{{10, 2}}));
}

TEST(SectorWindow, ReadsJustTheSectorsAskedForWhenReadingAheadFails) {
    CountingSectors medium(12);
    SectorWindow window(medium, 8, 100);
    const std::uint8_t* last = window.sectors(10, 2);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(numbers(last, 2), (std::vector<int>{10, 11}));
    EXPECT_EQ(medium.runs, (std::vector<Request>{{10, 8}, {10, 2}}));
    EXPECT_EQ(window.sectors(11, 2), nullptr);
}

}  // namespace
}  // namespace vorlix
