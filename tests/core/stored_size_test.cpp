#include "core/stored_size.h"

#include <gtest/gtest.h>

#include "core/numbers.h"

namespace vorlix {
namespace {

TEST(StoredSizeTest, SizesRoundTripThroughTheSigned32BitText) {
    struct Case {
        std::uint64_t bytes;
        const char* text;
        std::uint32_t readBack;
    };
    const Case cases[] = {
        {0, "0", 0},
        {48128, "48128", 48128},
        {2147483648u, "-2147483648", 2147483648u},
        {3000000000u, "-1294967296", 3000000000u},
        {4294967296u + 7, "7", 7},  // the high 32 bits are dropped
    };
    for (const Case& c : cases) {
        EXPECT_EQ(storedSizeText(c.bytes), c.text) << c.bytes;
        EXPECT_EQ(storedFileSize(c.text), c.readBack) << c.text;
    }
}

TEST(StoredSizeTest, MegabytesHaveThreeDecimalsAndAPoint) {
    EXPECT_EQ(megabytesText(0), "0.000");
    EXPECT_EQ(megabytesText(1048576), "1.000");
    EXPECT_EQ(megabytesText(3000000000.0), "2861.023");
}

TEST(StoredSizeTest, SerialsAreKeptAsSignedDecimal) {
    EXPECT_EQ(serialText(3902927555u), "-392039741");
    EXPECT_EQ(serialText(0x00094200u), "606720");
}

}  // namespace
}  // namespace vorlix
