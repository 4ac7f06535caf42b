#include "core/code_page.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

TEST(Windows1252Test, EveryByteSurvivesDecodeAndEncode) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const Windows1252 codePage;
    std::string utf8;
    codePage.decode(all, utf8);
    std::string back;
    ASSERT_TRUE(codePage.encode(utf8, back));
    EXPECT_EQ(back, all);
}

TEST(Windows1252Test, DecodesTheHighControlsAsTheirCharacters) {
    const Windows1252 codePage;
    std::string utf8;
    codePage.decode(
        "\x80\x93"
        "Caf\xE9\x94\x81",
        utf8);
    EXPECT_EQ(utf8,
              "\u20AC\u201C"
              "Caf\u00E9\u201D\u0081");
}

TEST(Windows1252Test, RefusesCharactersOutsideTheCodePageAndMalformedUtf8) {
    const Windows1252 codePage;
    for (std::string_view text :
         {"\u65E5\u672C", "a\u0100", "\xC3", "\xE2\x82", "\xFF", "\xC0\x80", "\xED\xA0\x80"}) {
        std::string out;
        EXPECT_FALSE(codePage.encode(text, out)) << text;
    }
}

TEST(Utf16Test, RoundTripsSupplementaryCharactersAndReplacesLoneSurrogates) {
    const std::string text = "A\u00E9\u65E5\U0001F3B5";
    const std::string wide = utf16leFromUtf8(text);
    EXPECT_EQ(wide.size(), 2u * 5);
    std::string back;
    appendUtf8FromUtf16le(wide, back);
    EXPECT_EQ(back, text);

    std::string lone;
    appendUtf8FromUtf16le(std::string("\x00\xD8\x41\x00", 4), lone);
    EXPECT_EQ(lone,
              "\uFFFD"
              "A");
}

}  // namespace
}  // namespace vorlix

namespace vorlix {
namespace {

TEST(AsciiTest, FindsAHighByteAtAnyPlace) {
    for (std::size_t length = 0; length < 40; ++length) {
        const std::string ascii(length, 'a');
        EXPECT_TRUE(isAscii(ascii));
        EXPECT_EQ(asciiPrefix(ascii), length);
        for (std::size_t at = 0; at < length; ++at) {
            std::string text = ascii;
            text[at] = '\xE9';
            EXPECT_FALSE(isAscii(text)) << length << " " << at;
            EXPECT_EQ(asciiPrefix(text), at);
        }
    }
}

}  // namespace
}  // namespace vorlix
