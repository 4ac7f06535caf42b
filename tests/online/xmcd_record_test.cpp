#include "online/xmcd_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "online/media_tag.h"
#include "online/xmcd_writer.h"

namespace vorlix {
namespace {

TEST(ParseXmcd, JoinsSplitValuesUndoesEscapesAndKeepsTheRevision) {
    const XmcdRecord record = parseXmcd({
        "# xmcd",
        "#",
        "# Revision: 7",
        "# Submitted via: ExampleRipper 1.0",
        "#",
        "DISCID=13025803,13025804",
        "DTITLE=The Artist / The Al",
        "DTITLE=bum",
        "DYEAR=1999",
        "DGENRE=Rock",
        "TTITLE0=Opening",
        "TTITLE2=Caf\xc3\xa9 \\\\ Bar \\",
        "TTITLE2=t and \\n",
        "TTITLE1=Second",
        "EXTD=Recorded live\\nin 1999",
        "EXTT1=Tab\\there",
        "PLAYORDER=",
        "NOT A KEY LINE",
    });
    EXPECT_EQ(record.revision, 7);
    EXPECT_EQ(record.discIds, "13025803,13025804");
    EXPECT_EQ(record.discTitle, "The Artist / The Album");
    EXPECT_EQ(record.year, "1999");
    EXPECT_EQ(record.genre, "Rock");
    EXPECT_EQ(record.trackTitles,
              (std::vector<std::string>{"Opening", "Second", "Caf\xc3\xa9 \\ Bar \t and \n"}));
    EXPECT_EQ(record.extended, "Recorded live\nin 1999");
    EXPECT_EQ(record.trackExtended, (std::vector<std::string>{"", "Tab\there"}));
}

TEST(ParseXmcd, IgnoresTrackNumbersBeyondACompactDisc) {
    const XmcdRecord record = parseXmcd({"TTITLE0=One", "TTITLE4000000000=Huge", "TTITLEx=Bad"});
    EXPECT_EQ(record.trackTitles, std::vector<std::string>{"One"});
}

struct TitleCase {
    const char* discTitle;
    const char* artist;
    const char* title;
};

class SplitDiscTitle : public testing::TestWithParam<TitleCase> {};

TEST_P(SplitDiscTitle, SeparatesArtistAndTitle) {
    const ArtistAndTitle album = splitDiscTitle(GetParam().discTitle);
    EXPECT_EQ(album.artist, GetParam().artist);
    EXPECT_EQ(album.title, GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, SplitDiscTitle,
    testing::Values(TitleCase{"The Artist / The Album", "The Artist", "The Album"},
                    TitleCase{"AC/DC / Back in Black", "AC/DC", "Back in Black"},
                    TitleCase{"A / B / C", "A", "B / C"},
                    TitleCase{"Self Titled", "Self Titled", "Self Titled"}, TitleCase{"", "", ""}));

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A line that ends inside an escape or starts inside a UTF-8 sequence breaks readers that take
// each line on its own.
bool cutsAnEscapeOrCharacter(const std::string& line) {
    const std::size_t equals = line.find('=');
    const std::size_t trailingBackslashes = line.size() - 1 - line.find_last_not_of('\\');
    const bool startsInsideCharacter =
        equals + 1 < line.size() && (static_cast<unsigned char>(line[equals + 1]) & 0xc0) == 0x80;
    return startsInsideCharacter || trailingBackslashes % 2 == 1;
}

TEST(FormatXmcd, SpreadsLongValuesOverLinesAFreedbServerAccepts) {
    XmcdRecord record;
    // Sized so that a line break by bytes would fall inside the escape and inside a character.
    record.discTitle = "Artist / " + std::string(233, 'x') + "\\" + std::string(100, 'y');
    record.trackTitles = {std::string(151, 'a'), "\xc3\xa9t\xc3\xa9\n"};
    for (int i = 0; i < 120; ++i) {
        record.trackTitles[0] += "\xc3\xa9";
    }
    const MediaTag disc{0x13025803, {150, 13650, 30150}, 602};

    const std::vector<std::string> lines = linesOf(formatXmcd(record, disc, "Orvanta 3.0"));

    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 256u) << line;
        EXPECT_FALSE(cutsAnEscapeOrCharacter(line)) << line;
    }
    EXPECT_GT(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.rfind("TTITLE0=", 0) == 0; }),
              1);
    const XmcdRecord readBack = parseXmcd(lines);
    EXPECT_EQ(readBack.discTitle, record.discTitle);
    EXPECT_EQ(readBack.trackTitles,
              (std::vector<std::string>{record.trackTitles[0], record.trackTitles[1], ""}));
    EXPECT_EQ(readBack.discIds, "13025803");
}

}  // namespace
}  // namespace vorlix
