#include "core/disc_date.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace vorlix {
namespace {

TEST(DiscDateText, WritesTheEnglishMonthTheTwoDigitDayAndTheYear) {
    EXPECT_EQ(discDateText({2004, 3, 5, 0}), "March 05 2004");
    EXPECT_EQ(discDateText({1999, 12, 31, 86399}), "December 31 1999");
    EXPECT_EQ(discDateText({2024, 1, 1, 43200}), "January 01 2024");
    EXPECT_EQ(discDateText({2030, 9, 17, 0}), "September 17 2030");
}

constexpr int kHour = 3600;

struct DaysCase {
    const char* lent;
    LocalDateTime now;
    std::int64_t days;
};

void PrintTo(const DaysCase& c, std::ostream* out) {
    *out << '"' << c.lent << "\" on " << c.now.year << '-' << c.now.month << '-' << c.now.day
         << " at second " << c.now.secondOfDay;
}

class DaysSinceDiscDate : public ::testing::TestWithParam<DaysCase> {};

TEST_P(DaysSinceDiscDate, CountsWholeDaysFromMidnightOfTheLendDate) {
    EXPECT_EQ(daysSinceDiscDate(GetParam().lent, GetParam().now), GetParam().days);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DaysSinceDiscDate,
    ::testing::Values(
        // The day of the lend itself counts 0, however late it is.
        DaysCase{"March 05 2004", {2004, 3, 5, 0}, 0},
        DaysCase{"March 05 2004", {2004, 3, 5, 24 * kHour - 1}, 0},
        DaysCase{"March 05 2004", {2004, 3, 6, 0}, 1},
        DaysCase{"March 05 2004", {2004, 3, 20, 10 * kHour}, 15},
        // Across a leap day, a month end and a year end.
        DaysCase{"February 28 2004", {2004, 3, 1, 0}, 2},
        DaysCase{"February 28 2005", {2005, 3, 1, 0}, 1},
        DaysCase{"December 31 2003", {2004, 1, 1, 1}, 1},
        DaysCase{"January 01 2000", {2024, 1, 1, 0}, 8766},
        // The day is read as a number: one digit, or a leading zero, are both fine.
        DaysCase{"March 5 2004", {2004, 3, 7, 0}, 2},
        DaysCase{"March 05  2004", {2004, 4, 5, 0}, 31},
        // A date still to come loses its fraction towards zero.
        DaysCase{"March 06 2004", {2004, 3, 5, 12 * kHour}, 0},
        DaysCase{"March 07 2004", {2004, 3, 5, 12 * kHour}, -1},
        // Texts that are not such a date count as 0 days.
        DaysCase{"", {2004, 3, 5, 0}, 0}, DaysCase{"march 05 2004", {2004, 4, 5, 0}, 0},
        DaysCase{"März 05 2004", {2004, 4, 5, 0}, 0}, DaysCase{"Mar 05 2004", {2004, 4, 5, 0}, 0},
        DaysCase{"February 29 2003", {2004, 4, 5, 0}, 0},
        DaysCase{"April 31 2004", {2004, 6, 5, 0}, 0},
        DaysCase{"March 00 2004", {2004, 4, 5, 0}, 0}, DaysCase{"March 05", {2004, 4, 5, 0}, 0},
        DaysCase{"March", {2004, 4, 5, 0}, 0}));

}  // namespace
}  // namespace vorlix
