#include "search/name_pair_filter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vorlix {
namespace {

// A filter may let through a disc that lacks a word, never hold back one that has it: every
// piece of every name passes, whatever the size of the set.
TEST(NamePairFilter, NeverHoldsBackANameThatHasTheText) {
    std::mt19937 random(11);
    for (const int names : {1, 50, 3000}) {
        std::string keys;
        std::vector<std::string> written;
        for (int n = 0; n < names; ++n) {
            std::string name(1 + random() % 30, 'a');
            for (char& c : name) {
                c = static_cast<char>(0x21 + random() % 0xDE);
            }
            keys += name + '\0';
            written.push_back(name);
        }
        const NamePairFilter filter(keys);
        for (const std::string& name : written) {
            for (std::size_t start = 0; start < name.size(); ++start) {
                const std::string piece = name.substr(start, 1 + random() % 8);
                ASSERT_TRUE(filter.mayHold(NamePairFilter::pairsOf(piece))) << piece;
            }
        }
    }
}

TEST(NamePairFilter, HoldsBackWhatNoNameHas) {
    const NamePairFilter filter(std::string("summer beach.jpg") + '\0');
    EXPECT_FALSE(filter.mayHold(NamePairFilter::pairsOf("xylophon")));
    EXPECT_TRUE(filter.mayHold(NamePairFilter::pairsOf("beach")));
    EXPECT_TRUE(filter.mayHold(NamePairFilter::pairsOf("x"))) << "one byte makes no pair";
}

}  // namespace
}  // namespace vorlix
