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

}  // namespace
}  // namespace vorlix
