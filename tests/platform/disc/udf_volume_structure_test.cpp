#include "platform/disc/udf_volume_structure.h"

#include <gtest/gtest.h>

#include "platform/disc/memory_sectors.h"
#include "platform/disc/volume_serial.h"

namespace vorlix {
namespace {

using test::MemorySectors;

void put16(Sector& s, std::size_t at, std::uint16_t value) {
    s[at] = static_cast<std::uint8_t>(value);
    s[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(Sector& s, std::size_t at, std::uint32_t value) {
    put16(s, at, static_cast<std::uint16_t>(value));
    put16(s, at + 2, static_cast<std::uint16_t>(value >> 16));
}

// A descriptor tag with a valid checksum, the way every UDF descriptor begins.
Sector& tagged(MemorySectors& medium, std::uint32_t lba, std::uint16_t id, std::uint32_t location) {
    Sector& s = medium.at(lba);
    put16(s, 0, id);
    put16(s, 2, 2);
    put32(s, 12, location);
    unsigned sum = 0;
    for (std::size_t i = 0; i < 16; ++i) {
        sum += i == 4 ? 0 : s[i];
    }
    s[4] = static_cast<std::uint8_t>(sum);
    return s;
}

constexpr std::uint32_t kPartitionStart = 300;

// Anchor at 256 pointing to a sequence at 32: primary volume descriptor labelled "MYDVD",
// partition 0 from sector 300, room at 34 for what the test puts there, terminator at 35.
MemorySectors udfMedium() {
    MemorySectors medium;
    Sector& anchor = medium.at(256);
    put32(anchor, 16, 16 * kSectorSize);
    put32(anchor, 20, 32);
    tagged(medium, 256, 2, 256);

    Sector& primary = medium.at(32);
    const std::string label = "\x08MYDVD";
    std::copy(label.begin(), label.end(), primary.begin() + 24);
    primary[24 + 31] = static_cast<std::uint8_t>(label.size());
    tagged(medium, 32, 1, 32);

    Sector& partition = medium.at(33);
    put16(partition, 22, 0);
    put32(partition, 188, kPartitionStart);
    tagged(medium, 33, 5, 33);
    tagged(medium, 35, 8, 35);
    return medium;
}

Sector& logicalVolume(MemorySectors& medium, std::uint32_t lba, std::uint16_t fileSetPartition,
                      std::uint32_t fileSetBlock, std::uint32_t maps) {
    Sector& lvd = medium.at(lba);
    put32(lvd, 212, kSectorSize);
    put32(lvd, 248, kSectorSize);
    put32(lvd, 252, fileSetBlock);
    put16(lvd, 256, fileSetPartition);
    put32(lvd, 268, maps);
    lvd[440] = 1;
    lvd[441] = 6;
    put16(lvd, 442, 1);
    put16(lvd, 444, 0);
    return lvd;
}

void fileSet(MemorySectors& medium, std::uint32_t lba) {
    Sector& s = medium.at(lba);
    for (std::size_t i = 16; i < s.size(); i += 7) {
        s[i] = static_cast<std::uint8_t>(i * 31);
    }
    tagged(medium, lba, 256, 0);
}

TEST(UdfVolumeStructure, FindsTheFileSetInAPhysicalPartition) {
    MemorySectors medium = udfMedium();
    logicalVolume(medium, 34, 0, 5, 1);
    tagged(medium, 34, 6, 34);
    fileSet(medium, kPartitionStart + 5);

    EXPECT_TRUE(hasUdfAnchor(medium));
    const auto structure = readUdfVolumeStructure(medium);
    ASSERT_TRUE(structure);
    EXPECT_EQ(structure->volumeIdentifier, "MYDVD");
    EXPECT_EQ(structure->fileSetDescriptorSector, kPartitionStart + 5);

    const auto identity = readUdfIdentity(medium);
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->label, "MYDVD");
    EXPECT_EQ(identity->serial, udfVolumeSerial(medium.at(kPartitionStart + 5)));
}

TEST(UdfVolumeStructure, FindsTheFileSetThroughTheMetadataFile) {
    MemorySectors medium = udfMedium();
    Sector& lvd = logicalVolume(medium, 34, 1, 3, 2);
    lvd[446] = 2;
    lvd[447] = 64;
    const std::string_view kind = "*UDF Metadata Partition";
    std::copy(kind.begin(), kind.end(), lvd.begin() + 446 + 5);
    put16(lvd, 446 + 38, 0);
    put32(lvd, 446 + 40, 10);
    tagged(medium, 34, 6, 34);

    // The metadata file: 2 blocks at partition block 20, then 4 at block 50; its block 3 is
    // the second block of the second extent.
    Sector& entry = medium.at(kPartitionStart + 10);
    put16(entry, 34, 0);
    put32(entry, 212, 16);
    put32(entry, 216, 2 * kSectorSize);
    put32(entry, 220, 20);
    put32(entry, 224, 4 * kSectorSize);
    put32(entry, 228, 50);
    tagged(medium, kPartitionStart + 10, 266, 10);
    fileSet(medium, kPartitionStart + 51);

    const auto structure = readUdfVolumeStructure(medium);
    ASSERT_TRUE(structure);
    EXPECT_EQ(structure->fileSetDescriptorSector, kPartitionStart + 51);
    EXPECT_EQ(readUdfIdentity(medium)->serial, udfVolumeSerial(medium.at(kPartitionStart + 51)));
}

TEST(UdfVolumeStructure, FollowsAVolumeDescriptorPointer) {
    MemorySectors medium = udfMedium();
    Sector& pointer = medium.at(34);
    put32(pointer, 20, 4 * kSectorSize);
    put32(pointer, 24, 80);
    tagged(medium, 34, 3, 34);
    logicalVolume(medium, 80, 0, 7, 1);
    tagged(medium, 80, 6, 80);
    tagged(medium, 81, 8, 81);
    fileSet(medium, kPartitionStart + 7);

    EXPECT_EQ(readUdfVolumeStructure(medium)->fileSetDescriptorSector, kPartitionStart + 7);
}

TEST(UdfVolumeStructure, NoIdentityWithoutAValidAnchorOrFileSet) {
    MemorySectors medium = udfMedium();
    logicalVolume(medium, 34, 0, 5, 1);
    tagged(medium, 34, 6, 34);
    EXPECT_FALSE(readUdfIdentity(medium)) << "no File Set Descriptor at its place";

    fileSet(medium, kPartitionStart + 5);
    medium.at(256)[4] ^= 1;
    EXPECT_FALSE(hasUdfAnchor(medium));
    EXPECT_FALSE(readUdfIdentity(medium));
}

TEST(UdfDString, DecodesEightAndSixteenBitCharacters) {
    const std::uint8_t eight[8] = {8, 'C', 'a', 'f', 0xE9, 0, 0, 5};
    EXPECT_EQ(udfDString(eight, sizeof eight), "Caf\u00E9");
    const std::uint8_t sixteen[8] = {16, 0x65, 0xE5, 0x00, 'A', 0, 0, 5};
    EXPECT_EQ(udfDString(sixteen, sizeof sixteen), "\u65E5A");
    const std::uint8_t empty[8] = {};
    EXPECT_EQ(udfDString(empty, sizeof empty), "");
}

}  // namespace
}  // namespace vorlix
