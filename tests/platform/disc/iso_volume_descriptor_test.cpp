#include "platform/disc/iso_volume_descriptor.h"

#include <gtest/gtest.h>

#include "platform/disc/memory_sectors.h"
#include "platform/disc/volume_serial.h"

namespace vorlix {
namespace {

using test::MemorySectors;

void putDescriptor(MemorySectors& medium, std::uint32_t lba, std::uint8_t type,
                   std::string_view volumeId = {}, std::string_view escape = {}) {
    medium.put(lba, 0, std::string(1, static_cast<char>(type)) + "CD001\x01");
    medium.put(lba, 40, volumeId);
    medium.put(lba, 88, escape);
}

std::string utf16be(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        out.push_back(static_cast<char>(c >> 8));
        out.push_back(static_cast<char>(c & 0xFF));
    }
    return out;
}

TEST(IsoVolumeDescriptor, PrefersJolietOverThePrimaryDescriptor) {
    MemorySectors medium;
    putDescriptor(medium, 16, 1, "PRIMARY                         ");
    putDescriptor(medium, 17, 2, utf16be(u"Joliet Name     "), "%/E");
    putDescriptor(medium, 18, 255);

    const auto descriptor = findIsoDescriptor(medium, 0);
    ASSERT_TRUE(descriptor);
    EXPECT_TRUE(descriptor->joliet);
    EXPECT_EQ(descriptor->sector, medium.at(17));
    EXPECT_EQ(isoVolumeLabel(*descriptor), "Joliet Name");

    const auto identity = readIsoIdentity(medium, 0);
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->label, "Joliet Name");
    EXPECT_EQ(identity->serial, isoVolumeSerial(medium.at(17)));
}

TEST(IsoVolumeDescriptor, AcceptsEveryJolietLevelAndNothingElseAsJoliet) {
    for (const std::string_view escape : {"%/@", "%/C", "%/E"}) {
        MemorySectors medium;
        putDescriptor(medium, 16, 1, "P");
        putDescriptor(medium, 17, 2, utf16be(u"J"), escape);
        putDescriptor(medium, 18, 255);
        EXPECT_EQ(isoVolumeLabel(*findIsoDescriptor(medium, 0)), "J") << escape;
    }
    MemorySectors other;
    putDescriptor(other, 16, 1, "PRIMARY");
    putDescriptor(other, 17, 2, "SUPPLEMENTARY", "%/F");
    putDescriptor(other, 18, 255);
    EXPECT_EQ(isoVolumeLabel(*findIsoDescriptor(other, 0)), "PRIMARY");
}

TEST(IsoVolumeDescriptor, StopsAtTheTerminator) {
    MemorySectors medium;
    putDescriptor(medium, 16, 1, "PRIMARY");
    putDescriptor(medium, 17, 255);
    putDescriptor(medium, 18, 2, utf16be(u"LATE"), "%/E");
    EXPECT_FALSE(findIsoDescriptor(medium, 0)->joliet);
}

TEST(IsoVolumeDescriptor, ReadsTheLastSessionAndFallsBackToTheFirst) {
    MemorySectors medium;
    putDescriptor(medium, 16, 1, "FIRST");
    putDescriptor(medium, 17, 255);
    putDescriptor(medium, 11416, 1, "SECOND");
    putDescriptor(medium, 11417, 255);
    EXPECT_EQ(readIsoIdentity(medium, 11400)->label, "SECOND");
    EXPECT_EQ(readIsoIdentity(medium, 11400)->serial, isoVolumeSerial(medium.at(11416)));
    EXPECT_EQ(readIsoIdentity(medium, 30000)->label, "FIRST");
}

TEST(IsoVolumeDescriptor, NothingWithoutTheStandardIdentifier) {
    MemorySectors medium;
    medium.put(16, 0,
               "\x01"
               "CD002");
    EXPECT_FALSE(findIsoDescriptor(medium, 0));
    EXPECT_FALSE(readIsoIdentity(medium, 0));
    MemorySectors empty;
    EXPECT_FALSE(readIsoIdentity(empty, 0));
}

TEST(IsoVolumeDescriptor, LabelsDropTrailingBlanksAndDecodeTheirCharacters) {
    MemorySectors medium;
    putDescriptor(medium, 16, 1, std::string("CAF\xC9 2", 6) + std::string(4, '\0'));
    putDescriptor(medium, 17, 255);
    EXPECT_EQ(readIsoIdentity(medium, 0)->label, "CAF\u00C9 2");

    MemorySectors joliet;
    putDescriptor(joliet, 16, 1, "P");
    putDescriptor(joliet, 17, 2, utf16be(u"\u00C9t\u00E9 \u65E5 ") + std::string(4, '\0'), "%/@");
    EXPECT_EQ(readIsoIdentity(joliet, 0)->label, "\u00C9t\u00E9 \u65E5");
}

}  // namespace
}  // namespace vorlix
