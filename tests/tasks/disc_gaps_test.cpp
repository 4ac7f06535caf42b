#include "tasks/disc_gaps.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/catalog.h"

namespace vorlix {
namespace {

CQXCatalog discsNumbered(const std::vector<std::string>& numbers) {
    CQXCatalog catalogue;
    for (const std::string& number : numbers) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(number);
        catalogue.appendDisc(std::move(disc));
    }
    return catalogue;
}

std::vector<std::int64_t> allGaps(const DiscGaps& gaps) {
    std::vector<std::int64_t> result;
    for (std::int64_t i = 0; i < gaps.count(); ++i) {
        result.push_back(gaps.at(i));
    }
    return result;
}

struct GapsCase {
    std::vector<std::string> numbers;
    std::vector<std::int64_t> gaps;
};

void PrintTo(const GapsCase& c, std::ostream* out) {
    *out << "discs";
    for (const std::string& number : c.numbers) {
        *out << " \"" << number << '"';
    }
}

class DiscGapsCase : public ::testing::TestWithParam<GapsCase> {};

TEST_P(DiscGapsCase, ListsTheFreeNumbersUpToTheLastDiscsInAscendingOrder) {
    const DiscGaps gaps(discsNumbered(GetParam().numbers));
    EXPECT_EQ(allGaps(gaps), GetParam().gaps);
    EXPECT_EQ(gaps.count(), static_cast<std::int64_t>(GetParam().gaps.size()));
    EXPECT_EQ(gaps.empty(), GetParam().gaps.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiscGapsCase,
    ::testing::Values(
        GapsCase{{"1", "2", "5"}, {3, 4}}, GapsCase{{"1", "2", "3"}, {}},
        // The last disc of the list decides how far to count, not the highest number.
        GapsCase{{"1", "7", "3"}, {2}}, GapsCase{{"7", "1", "3"}, {2}},
        // Numbers are compared as their "%d" texts.
        GapsCase{{"1", "05", "6"}, {2, 3, 4, 5}}, GapsCase{{"05"}, {1, 2, 3, 4, 5}},
        GapsCase{{"2", " 3", "+4", "4a", "5"}, {1, 3, 4}},
        // The last number is read from its leading digits; without any there is nothing to count.
        GapsCase{{"1", "4a"}, {2, 3, 4}}, GapsCase{{"3", "x"}, {}}, GapsCase{{"3", "0"}, {}},
        GapsCase{{"3", "-5"}, {}}, GapsCase{{}, {}},
        // Duplicates and numbers beyond the last count once and not at all.
        GapsCase{{"2", "2", "9", "4"}, {1, 3}}));

TEST(DiscGaps, AFarLastNumberCostsNoMoreThanItsDiscs) {
    const DiscGaps gaps(discsNumbered({"1", "2147483647"}));
    EXPECT_EQ(gaps.count(), 2147483645);
    EXPECT_EQ(gaps.at(0), 2);
    EXPECT_EQ(gaps.at(1000), 1002);
    EXPECT_EQ(gaps.at(gaps.count() - 1), 2147483646);

    const DiscGaps beyond(discsNumbered({"99999999999"}));
    EXPECT_EQ(beyond.count(), 2147483647) << "read as the largest 32-bit number";
}

}  // namespace
}  // namespace vorlix
