#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>

#include "platform/disc/disc_test_support.h"
#include "platform/disc/iso_directory_entry.h"

namespace vorlix {
namespace {

using test::sortedByName;
using test::writeSized;

const std::string kLongName = "A rather long file name that Joliet still holds whole.text";

// Images built by xorriso from a small tree with nested folders, mixed-case names, a long name
// and a file without extension.
class IsoImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeSized(m_dir.file("tree/ReadMe.TXT"), 6);
        writeSized(m_dir.file("tree/README"), 0);
        writeSized(m_dir.file("tree/" + kLongName), 3);
        writeSized(m_dir.file("tree/Music/Rock/Song Title.MP3"), 5000);
        writeSized(m_dir.file("tree/Music/Rock/b-side.ogg"), 70000);
        writeSized(m_dir.file("tree/Docs/Old/notes.txt"), 12);
        std::filesystem::create_directories(m_dir.file("tree/Empty"));
    }

    std::string image(const std::string& options) {
        const std::string path = m_dir.file("image.iso");
        const std::string command = "xorriso -as mkisofs " + options + " -o '" + path + "' '" +
                                    m_dir.file("tree") + "' >/dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return path;
    }

    std::unique_ptr<DiscVolume> open(const std::string& path) {
        return m_drives.drives().open(m_drives.drives().addImage(path).root);
    }

    std::vector<DirectoryEntry> list(DiscVolume& volume, std::string_view path) {
        std::vector<DirectoryEntry> entries;
        EXPECT_TRUE(volume.list(path, entries)) << path;
        return sortedByName(entries);
    }

    test::TempDir m_dir;
    test::DrivesWithoutHardware m_drives;
};

// The descriptor of the given type (and, for type 2, a Joliet escape sequence) in the image's
// descriptor set, and the serial its bytes sum to.
std::uint32_t expectedSerial(const std::string& image, int type) {
    const std::string bytes = test::readFile(image);
    for (std::size_t at = 16 * 2048; at + 2048 <= bytes.size(); at += 2048) {
        const std::string_view sector(bytes.data() + at, 2048);
        if (sector.substr(1, 5) != "CD001" || static_cast<unsigned char>(sector[0]) == 255) {
            break;
        }
        if (sector[0] == type && (type != 2 || sector.substr(88, 2) == "%/")) {
            std::array<unsigned, 4> sums{};
            for (std::size_t i = 0; i < sector.size(); ++i) {
                sums[i % 4] = (sums[i % 4] + static_cast<unsigned char>(sector[i])) & 0xFF;
            }
            return sums[0] << 24 | sums[1] << 16 | sums[2] << 8 | sums[3];
        }
    }
    ADD_FAILURE() << "no descriptor of type " << type;
    return 0;
}

TEST_F(IsoImageTest, JolietImageListsItsTreeWithSizes) {
    const auto volume = open(image("-J -R -V 'Vorlix Test'"));
    ASSERT_TRUE(volume);
    EXPECT_TRUE(volume->ready());
    EXPECT_FALSE(volume->audioToc());

    EXPECT_EQ(list(*volume, ""), (std::vector<DirectoryEntry>{{kLongName, false, 3},
                                                              {"Docs", true, 0},
                                                              {"Empty", true, 0},
                                                              {"Music", true, 0},
                                                              {"README", false, 0},
                                                              {"ReadMe.TXT", false, 6}}));
    EXPECT_EQ(list(*volume, "Music/Rock"),
              (std::vector<DirectoryEntry>{{"Song Title.MP3", false, 5000},
                                           {"b-side.ogg", false, 70000}}));
    EXPECT_EQ(list(*volume, "Docs/Old"), (std::vector<DirectoryEntry>{{"notes.txt", false, 12}}));
    EXPECT_TRUE(list(*volume, "Empty").empty());

    std::vector<DirectoryEntry> entries{{"stale", false, 1}};
    EXPECT_FALSE(volume->list("Missing", entries));
    EXPECT_TRUE(entries.empty());
}

TEST_F(IsoImageTest, JolietImageIsIdentifiedByItsJolietDescriptor) {
    const std::string path = image("-J -R -V 'Vorlix Test'");
    const auto identity = open(path)->identity();
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->label, "Vorlix Test");
    EXPECT_EQ(identity->serial, expectedSerial(path, 2));
}

TEST_F(IsoImageTest, ImageWithoutJolietUsesThePrimaryDescriptorAndRockRidgeNames) {
    const std::string path = image("-R -V PLAINLABEL");
    const auto volume = open(path);
    const auto identity = volume->identity();
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->label, "PLAINLABEL");
    EXPECT_EQ(identity->serial, expectedSerial(path, 1));
    EXPECT_EQ(list(*volume, "Music/Rock"),
              (std::vector<DirectoryEntry>{{"Song Title.MP3", false, 5000},
                                           {"b-side.ogg", false, 70000}}));
}

TEST_F(IsoImageTest, PlainIsoNamesLoseTheirVersionSuffix) {
    // xorriso writes Rock Ridge unless told not to; README.TXT;1 and README.;1 are recorded.
    const auto volume = open(image("--norock -V PLAIN"));
    const auto root = list(*volume, "");
    const auto named = [&root](const std::string& name) {
        return std::any_of(root.begin(), root.end(), [&](const auto& e) { return e.name == name; });
    };
    EXPECT_TRUE(named("README.TXT"));
    EXPECT_TRUE(named("README"));
    for (const auto& entry : root) {
        EXPECT_EQ(entry.name.find(';'), std::string::npos) << entry.name;
    }
}

// Joliet records characters beyond Latin in two bytes that UTF-8 takes three for, and Rock Ridge
// puts what a record has no room for in a continuation area: the names come whole either way.
TEST_F(IsoImageTest, NamesBeyondLatinAndLongerThanTheirRecordComeWhole) {
    const std::string cjk = "\u65E5\u672C\u8A9E\u306E\u30D5\u30A1\u30A4\u30EB.txt";
    const std::string longLatin = std::string(196, 'L') + ".txt";
    std::string accented;
    for (int i = 0; i < 100; ++i) {
        accented += "\u00E9";
    }
    accented += ".txt";
    writeSized(m_dir.file("tree/Docs/Old/" + cjk), 3);
    writeSized(m_dir.file("tree/Docs/Old/" + longLatin), 4);
    writeSized(m_dir.file("tree/Docs/Old/" + accented), 5);

    const auto joliet = open(image("-J -R"));
    const auto jolietNames = list(*joliet, "Docs/Old");
    EXPECT_NE(std::find(jolietNames.begin(), jolietNames.end(), DirectoryEntry{cjk, false, 3}),
              jolietNames.end());

    const auto rockRidge = open(image("-R"));
    EXPECT_EQ(list(*rockRidge, "Docs/Old"), sortedByName({{longLatin, false, 4},
                                                          {"notes.txt", false, 12},
                                                          {cjk, false, 3},
                                                          {accented, false, 5}}));
}

TEST_F(IsoImageTest, AFileThatIsNoImageOpensAsNotReady) {
    writeSized(m_dir.file("not-an-image.iso"), 100000);
    const auto volume = open(m_dir.file("not-an-image.iso"));
    ASSERT_TRUE(volume);
    EXPECT_FALSE(volume->ready());
    EXPECT_FALSE(volume->identity());
    const auto missing = open(m_dir.file("missing.iso"));
    EXPECT_FALSE(missing->ready());
}

TEST(IsoEntryName, DropsTheVersionSuffixOfIsoAndJolietNames) {
    struct Case {
        std::string_view recorded;
        bool rockRidge;
        std::string_view shown;
    };
    for (const Case& c :
         {Case{"README.TXT;1", false, "README.TXT"}, Case{"README.;1", false, "README"},
          Case{"Song Title.mp3;12", false, "Song Title.mp3"}, Case{"FOLDER", false, "FOLDER"},
          Case{"odd;name", false, "odd;name"}, Case{"trailing;", false, "trailing;"},
          Case{"rock;1", true, "rock;1"}, Case{"dot.", true, "dot."}}) {
        EXPECT_EQ(isoEntryName(c.recorded, c.rockRidge), c.shown) << c.recorded;
    }
}

TEST(IsoEntryName, JoinsTheExtentsOfAFileRecordedInParts) {
    std::vector<DirectoryEntry> entries;
    appendIsoEntry(entries, {"big.img", false, 4294965248u});
    appendIsoEntry(entries, {"big.img", false, 1000});
    appendIsoEntry(entries, {"small.txt", false, 5});
    EXPECT_EQ(entries, (std::vector<DirectoryEntry>{{"big.img", false, 4294966248u},
                                                    {"small.txt", false, 5}}));
}

}  // namespace
}  // namespace vorlix
