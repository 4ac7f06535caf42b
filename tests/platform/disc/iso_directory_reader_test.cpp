#include "platform/disc/iso_directory_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/disc/disc_test_support.h"
#include "platform/disc/iso_records.h"
#include "platform/disc/memory_sectors.h"

namespace vorlix {
namespace {

using test::ceEntry;
using test::IsoDirectoryLayout;
using test::isoDots;
using test::isoRecord;
using test::MemorySectors;
using test::nmEntry;
using test::utf16be;

constexpr std::uint32_t kDirectory = 20;
constexpr std::uint32_t kVolumeEnd = 400;

struct Listing {
    bool read = false;
    std::vector<DirectoryEntry> entries;
    std::vector<IsoSubfolder> subfolders;
};

Listing readDirectory(MemorySectors& medium, std::uint32_t size, bool joliet = false,
                      std::uint32_t end = kVolumeEnd) {
    IsoDirectoryReader reader(medium, end, joliet);
    Listing listing;
    listing.read = reader.read({kDirectory, size}, listing.entries, listing.subfolders);
    return listing;
}

// A directory of one sector holding one file's record after its dots.
Listing oneRecord(const std::string& record, bool joliet, MemorySectors& medium) {
    IsoDirectoryLayout(medium, kDirectory).add(isoDots(kDirectory)).add(record);
    return readDirectory(medium, 2048, joliet);
}

struct NameCase {
    const char* name;
    bool joliet;
    std::string identifier;
    std::string systemUse;
    std::string shown;
    // Continuation area at sector 30, offset 100, when not empty.
    std::string continuation;
};

class IsoNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(IsoNameTest, IsDecodedFromItsOwnBytes) {
    const NameCase& c = GetParam();
    MemorySectors medium;
    if (!c.continuation.empty()) {
        medium.put(30, 100, c.continuation);
    }
    const Listing listing =
        oneRecord(isoRecord(c.identifier, 50, 5, 0, c.systemUse), c.joliet, medium);
    ASSERT_TRUE(listing.read);
    EXPECT_EQ(listing.entries, (std::vector<DirectoryEntry>{{c.shown, false, 5}}));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, IsoNameTest,
    testing::Values(NameCase{"IsoWithVersion", false, "README.TXT;1", "", "README.TXT", ""},
                    NameCase{"IsoWithoutExtension", false, "README.;1", "", "README", ""},
                    NameCase{"IsoBytesAsRecorded", false, "CAF\xC9.MP3;1", "", "CAF\xC9.MP3", ""},
                    NameCase{"Joliet", true, utf16be(u"Caf\u00E9 \u65E5\u672C\u8A9E.txt;1"), "",
                             "Caf\u00E9 \u65E5\u672C\u8A9E.txt", ""},
                    NameCase{"JolietSurrogatePair", true, utf16be(u"\U0001F600.txt;1"), "",
                             "\U0001F600.txt", ""},
                    NameCase{"JolietUnpairedSurrogate", true,
                             utf16be(u"a\xD800"
                                     u"b.txt"),
                             "", "a\uFFFDb.txt", ""},
                    NameCase{"RockRidge", false, "SONG_TIT.MP3;1", nmEntry("Song Title.mp3"),
                             "Song Title.mp3", ""},
                    NameCase{"RockRidgeAfterOtherEntries", false, "SONG_TIT.MP3;1",
                             std::string("PX\x0C\x01") + std::string(8, '\0') + nmEntry("Song;1"),
                             "Song;1", ""},
                    NameCase{"RockRidgeInParts", false, "SONG_TIT.MP3;1",
                             nmEntry("Song ", 1) + nmEntry("Title.mp3"), "Song Title.mp3", ""},
                    NameCase{"RockRidgeGoingOnInAContinuationArea", false, "SONG_TIT.MP3;1",
                             nmEntry("Song ", 1) + ceEntry(30, 100, 14), "Song Title.mp3",
                             nmEntry("Title.mp3")},
                    NameCase{"RockRidgeWhollyInAContinuationArea", false, "SONG_TIT.MP3;1",
                             ceEntry(30, 100, 19), "Song Title.mp3", nmEntry("Song Title.mp3")},
                    NameCase{"RockRidgeInAJolietTree", true, utf16be(u"x.txt;1"),
                             nmEntry("Rock.txt"), "Rock.txt", ""},
                    NameCase{"RockRidgeEntryRunningPastTheArea", false, "PLAIN.TXT;1",
                             nmEntry("Long name").substr(0, 8), "PLAIN.TXT", ""},
                    NameCase{"ContinuationPastItsSector", false, "PLAIN.TXT;1",
                             ceEntry(30, 2040, 19), "PLAIN.TXT", nmEntry("x")}),
    [](const testing::TestParamInfo<NameCase>& info) { return info.param.name; });

TEST(IsoDirectoryReader, ListsFoldersWithTheirExtentsAndJoinsTheExtentsOfOneFile) {
    MemorySectors medium;
    IsoDirectoryLayout(medium, kDirectory)
        .add(isoDots(kDirectory))
        .add(isoRecord("BIG.IMG;1", 60, 4294965248u, test::kIsoMoreExtents))
        .add(isoRecord("BIG.IMG;1", 2097212, 1000))
        .add(isoRecord("MUSIC", 40, 4096, test::kIsoFolder))
        .add(isoRecord("SMALL.TXT;1", 70, 5));
    const Listing listing = readDirectory(medium, 2048);
    ASSERT_TRUE(listing.read);
    EXPECT_EQ(listing.entries,
              (std::vector<DirectoryEntry>{
                  {"BIG.IMG", false, 4294966248u}, {"MUSIC", true, 0}, {"SMALL.TXT", false, 5}}));
    ASSERT_EQ(listing.subfolders.size(), 1u);
    EXPECT_EQ(listing.subfolders[0].name, "MUSIC");
    EXPECT_EQ(listing.subfolders[0].extent, (IsoExtent{40, 4096}));
}

// Records of a sector end at its first zero length; a directory larger than one read is read
// in several, its records all the same.
TEST(IsoDirectoryReader, ReadsEverySectorOfALargeDirectory) {
    MemorySectors medium;
    const std::uint32_t sectors = 300;
    medium.put(kDirectory, 0, isoDots(kDirectory) + isoRecord("F0;1", 1000, 0));
    for (std::uint32_t i = 1; i < sectors; ++i) {
        medium.put(kDirectory + i, 0, isoRecord("F" + std::to_string(i) + ";1", 1000 + i, i));
    }
    const Listing listing = readDirectory(medium, sectors * 2048);
    ASSERT_TRUE(listing.read);
    ASSERT_EQ(listing.entries.size(), sectors);
    EXPECT_EQ(listing.entries[0], (DirectoryEntry{"F0", false, 0}));
    EXPECT_EQ(listing.entries[299], (DirectoryEntry{"F299", false, 299}));
}

// Each damage is followed by a sound record, which a reader that went past the damage would
// list.
std::string sound() {
    return isoRecord("SOUND.TXT;1", 70, 5);
}

void recordRunningPastItsSector(MemorySectors& medium) {
    std::string records = isoDots(kDirectory);
    while (records.size() < 2000) {
        records += isoRecord("FILL.TXT;1", 70, 1);
    }
    std::string damaged = isoRecord("A.TXT;1", 70, 5);
    damaged[0] = static_cast<char>(120);
    records += damaged;
    medium.put(kDirectory, 0, records.substr(0, 2048));
    medium.put(kDirectory + 1, 0, sound());
}

void recordShorterThanItsFixedPart(MemorySectors& medium) {
    std::string damaged = isoRecord("A.TXT;1", 70, 5);
    damaged[0] = 20;
    IsoDirectoryLayout(medium, kDirectory).add(damaged).add(sound());
}

void identifierRunningPastItsRecord(MemorySectors& medium) {
    std::string damaged = isoRecord("A.TXT;1", 70, 5);
    damaged[32] = 60;
    IsoDirectoryLayout(medium, kDirectory).add(damaged).add(sound());
}

void soundSectorsPastTheVolume(MemorySectors& medium) {
    for (std::uint32_t lba = kDirectory; lba < kVolumeEnd + 2; ++lba) {
        medium.put(lba, 0, sound());
    }
}

void oneSoundSector(MemorySectors& medium) {
    medium.put(kDirectory, 0, isoDots(kDirectory) + sound());
}

void sectorMissingBetween(MemorySectors& medium) {
    medium.put(kDirectory, 0, isoDots(kDirectory));
    medium.put(kDirectory + 2, 0, sound());
}

struct DamageCase {
    const char* name;
    void (*lay)(MemorySectors&);
    std::uint32_t size;
};

class IsoDirectoryDamageTest : public testing::TestWithParam<DamageCase> {};

TEST_P(IsoDirectoryDamageTest, MakesTheDirectoryUnreadable) {
    MemorySectors medium;
    GetParam().lay(medium);
    const Listing listing = readDirectory(medium, GetParam().size);
    EXPECT_FALSE(listing.read);
    EXPECT_TRUE(listing.entries.empty());
    EXPECT_TRUE(listing.subfolders.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Records, IsoDirectoryDamageTest,
    testing::Values(
        DamageCase{"RecordRunningPastItsSector", recordRunningPastItsSector, 2 * 2048},
        DamageCase{"RecordShorterThanItsFixedPart", recordShorterThanItsFixedPart, 2048},
        DamageCase{"IdentifierRunningPastItsRecord", identifierRunningPastItsRecord, 2048},
        DamageCase{"DirectoryRunningPastTheVolume", soundSectorsPastTheVolume,
                   (kVolumeEnd - kDirectory + 1) * 2048},
        DamageCase{"DirectoryOf2Point5Gigabytes", oneSoundSector, 2'684'354'560u},
        DamageCase{"SectorThatCannotBeRead", sectorMissingBetween, 3 * 2048}),
    [](const testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

// Only a damaged record names a file "", "." or "..": it cannot stand in a path, so it is
// listed as unreadable, and the records after it are read.
TEST(IsoDirectoryReader, NamesThatCannotStandInAPathAreListedAsUnreadable) {
    MemorySectors medium;
    IsoDirectoryLayout(medium, kDirectory)
        .add(isoDots(kDirectory))
        .add(isoRecord("", 40, 2048, test::kIsoFolder))
        .add(isoRecord("DOT", 40, 2048, test::kIsoFolder, nmEntry("", 0x02)))
        .add(isoRecord("DOTDOT", 40, 2048, test::kIsoFolder, nmEntry("..")))
        .add(isoRecord(";1", 70, 5))
        .add(sound());
    const Listing listing = readDirectory(medium, 2048);
    ASSERT_TRUE(listing.read);
    EXPECT_EQ(listing.entries, (std::vector<DirectoryEntry>{{"", false, 0, true},
                                                            {".", false, 0, true},
                                                            {"..", false, 0, true},
                                                            {"", false, 0, true},
                                                            {"SOUND.TXT", false, 5}}));
    EXPECT_TRUE(listing.subfolders.empty());
}

// A continuation area that leads to itself is followed a bounded number of times.
TEST(IsoDirectoryReader, AContinuationAreaLeadingToItselfEnds) {
    MemorySectors medium;
    medium.put(30, 0, nmEntry("ab", 1) + ceEntry(30, 0, 35));
    const Listing listing =
        oneRecord(isoRecord("LOOP.TXT;1", 70, 5, 0, ceEntry(30, 0, 35)), false, medium);
    ASSERT_TRUE(listing.read);
    ASSERT_EQ(listing.entries.size(), 1u);
    const std::string& name = listing.entries[0].name;
    EXPECT_FALSE(name.empty());
    EXPECT_LE(name.size(), 1024u);
    EXPECT_EQ(name.find_first_not_of("ab"), std::string::npos) << name;
}

}  // namespace
}  // namespace vorlix
