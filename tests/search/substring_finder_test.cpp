#include "search/substring_finder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vorlix {
namespace {

// Every occurrence, as the plain library search finds them, over texts long enough to run
// through many 16-byte steps and their ends, with needles that start and end anywhere.
TEST(SubstringFinder, FindsWhatTheLibraryFinds) {
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        std::string text(random() % 90, 'a');
        for (char& c : text) {
            c = static_cast<char>('a' + random() % 3);
        }
        const std::size_t length = 1 + random() % 5;
        const std::size_t start = text.empty() ? 0 : random() % text.size();
        const std::string needle = text.substr(start, length) + (random() % 4 == 0 ? "c" : "");
        const SubstringFinder finder(needle);
        for (std::size_t from = 0; from <= text.size() + 1; ++from) {
            ASSERT_EQ(finder.find(text, from), text.find(needle, from))
                << "text " << text << " needle " << needle << " from " << from;
        }
    }
}

TEST(SubstringFinder, EmptyNeedleIsFoundWhereTheSearchStarts) {
    const SubstringFinder finder("");
    EXPECT_EQ(finder.find("abc", 2), 2U);
    EXPECT_EQ(finder.find("abc", 4), std::string_view::npos);
}

TEST(SubstringFinder, BytesOutsideAsciiCompareAsBytes) {
    const std::string text = std::string(40, 'x') + "\xC3\xA9t\xC3\xA9" + std::string(3, 'y');
    EXPECT_EQ(SubstringFinder("\xC3\xA9t\xC3\xA9").find(text, 0), 40U);
    EXPECT_EQ(SubstringFinder("\xC3\x89").find(text, 0), std::string_view::npos);
}

}  // namespace
}  // namespace vorlix
