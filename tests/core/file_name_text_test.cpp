#include "core/file_name_text.h"

#include <gtest/gtest.h>

#include "core/code_page.h"

namespace vorlix {
namespace {

struct NameCase {
    std::string_view bytes;
    std::string_view text;
};

// Well-formed UTF-8 stands; a name with any malformed sequence is read whole as Windows-1252.
constexpr NameCase kCases[] = {
    {"song.mp3", "song.mp3"},
    {"Caf\u00E9 \u65E5\u672C.mp3", "Caf\u00E9 \u65E5\u672C.mp3"},
    {"caf\xE9.mp3", "caf\u00E9.mp3"},
    {"\xC3\xA9\xE9", "\u00C3\u00A9\u00E9"},
    {"\x80\x81.txt", "\u20AC\u0081.txt"},
    {"end\xE2\x82", "end\u00E2\u201A"},
    {"\xC0\x80", "\u00C0\u20AC"},
    {"\xED\xA0\x80", "\u00ED\u00A0\u20AC"},
};

TEST(FileNameTextTest, ReadsNamesThatAreNotUtf8AsWindows1252) {
    for (const NameCase& c : kCases) {
        std::string storage;
        EXPECT_EQ(fileNameText(c.bytes, storage), c.text) << c.bytes;
        EXPECT_EQ(isWellFormedUtf8(c.bytes), c.bytes == c.text) << c.bytes;
    }
}

// Nothing a name said is lost: its text written in the code page gives back its bytes.
TEST(FileNameTextTest, ANameReadAsWindows1252KeepsEveryByte) {
    const Windows1252 codePage;
    for (const NameCase& c : kCases) {
        std::string storage;
        const std::string_view text = fileNameText(c.bytes, storage);
        if (!isWellFormedUtf8(c.bytes)) {
            std::string bytes;
            ASSERT_TRUE(codePage.encode(text, bytes)) << c.bytes;
            EXPECT_EQ(bytes, c.bytes);
        }
    }
}

// Characters a catalogue cannot hold as they are get a visible stand-in each, in UTF-8 names and
// in names read as Windows-1252 alike, and the stand-ins lead back to the name.
TEST(FileNameTextTest, ControlCharactersAndBackslashesGetStandInsThatLeadBack) {
    constexpr NameCase kStandIns[] = {
        {std::string_view("a\r\n\tb", 5), "a\u240D\u240A\u2409b"},
        {"back\\slash", "back\uFF3Cslash"},
        {std::string_view("nul\0.txt", 8), "nul\u2400.txt"},
        {"del\x7F\x1F", "del\u2421\u241F"},
        {"caf\xE9\\\x01", "caf\u00E9\uFF3C\u2401"},
    };
    for (const NameCase& c : kStandIns) {
        std::string storage;
        const std::string_view text = fileNameText(c.bytes, storage);
        EXPECT_EQ(text, c.text) << c.bytes;
        const std::string name = nameWithoutStandIns(text);
        std::string bytes;
        if (isWellFormedUtf8(c.bytes)) {
            bytes = name;
        } else {
            ASSERT_TRUE(Windows1252().encode(name, bytes)) << c.bytes;
        }
        EXPECT_EQ(bytes, c.bytes);
    }
    // Text without stand-ins comes back as it is, malformed bytes included.
    EXPECT_EQ(nameWithoutStandIns("plain \u00E9 \u2422 \xFF"), "plain \u00E9 \u2422 \xFF");
}

}  // namespace
}  // namespace vorlix
