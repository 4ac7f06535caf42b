#include "core/text_case.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlix {
namespace {

struct LowerCaseCase {
    const char* name;
    std::string text;
    std::string lower;
};

class LowerCaseTest : public testing::TestWithParam<LowerCaseCase> {};

TEST_P(LowerCaseTest, LowersEveryCharacterByItsSimpleMapping) {
    EXPECT_EQ(lowerCase(GetParam().text), GetParam().lower);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LowerCaseTest,
    testing::Values(
        LowerCaseCase{"Empty", "", ""},
        LowerCaseCase{"Ascii", "ReadMe.TXT @[`{", "readme.txt @[`{"},
        LowerCaseCase{"LongAsciiThenLatin1", "ABCDEFGHIJKLMNOP\u00C4\u00D6\u00DC\u00C9",
                      "abcdefghijklmnop\u00E4\u00F6\u00FC\u00E9"},
        LowerCaseCase{"SharpSAndMultiplicationSignStay", "\u00DF\u00D7\u00DE",
                      "\u00DF\u00D7\u00FE"},
        // Latin Extended-A alternates capitals and small letters.
        LowerCaseCase{"AlternatingCapitals", "\u0100\u0101\u0102\u0178\u0179",
                      "\u0101\u0101\u0103\u00FF\u017A"},
        LowerCaseCase{"GreekWithoutFinalSigmaContext", "\u039C\u03A5\u03A3", "\u03BC\u03C5\u03C3"},
        LowerCaseCase{"Cyrillic", "\u041C\u0423\u0417\u042B\u041A\u0410",
                      "\u043C\u0443\u0437\u044B\u043A\u0430"},
        LowerCaseCase{"DottedCapitalIIsOneCharacter", "\u0130X", "ix"},
        LowerCaseCase{"KelvinAndCapitalSharpS", "\u212A\u1E9E", "k\u00DF"},
        LowerCaseCase{"SupplementaryPlane", "\U00010400\U0001E921", "\U00010428\U0001E943"},
        LowerCaseCase{"NoCaseStays", "\u65E5\u672C \U0001F3B5 123", "\u65E5\u672C \U0001F3B5 123"},
        LowerCaseCase{"MalformedBytesKept",
                      "A\xFF"
                      "B\xC3"
                      "C\xE2\x82",
                      "a\xFF"
                      "b\xC3"
                      "c\xE2\x82"}),
    [](const testing::TestParamInfo<LowerCaseCase>& info) { return std::string(info.param.name); });

TEST(LowerCaseCharTest, MapsAsManyCodePointsAsUnicodeFourteenAndEachMappingIsFinal) {
    int mapped = 0;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        const char32_t lower = lowerCaseChar(cp);
        if (lower != cp) {
            ++mapped;
            EXPECT_EQ(lowerCaseChar(lower), lower) << std::hex << static_cast<unsigned>(cp);
        }
    }
    EXPECT_EQ(mapped, 1433);
}

TEST(LowerCaseCharTest, AgreesWithTheTextFormForAscii) {
    for (char32_t cp = 0; cp < 0x80; ++cp) {
        EXPECT_EQ(lowerCase(std::string(1, static_cast<char>(cp))),
                  std::string(1, static_cast<char>(lowerCaseChar(cp))));
    }
}

}  // namespace
}  // namespace vorlix
