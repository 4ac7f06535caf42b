#include "tasks/lending_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/setting_names.h"
#include "core/catalog.h"
#include "support/memory_settings.h"
#include "tasks/lending_list_sort.h"

namespace vorlix {
namespace {

void addDisc(CQXCatalog& c, const std::string& number, const std::string& name,
             const std::string& location, const std::string& lendDate, const std::string& shared) {
    auto d = std::make_unique<CQXDisc>();
    d->setNumber(number);
    d->setName(name);
    d->setLocation(location);
    d->setLendDate(lendDate);
    d->setShared(shared);
    c.appendDisc(std::move(d));
}

// Lent on 4 and 5 March 2004; "today" in these tests is 5 March 2004 at noon.
CQXCatalog catalogue() {
    CQXCatalog c;
    addDisc(c, "1", "Alpha", "home", "", "Yes");
    addDisc(c, "2", "bravo", "John", "March 04 2004", "Yes");
    addDisc(c, "3", "Charlie", "virtual", "", "No");
    addDisc(c, "4", "delta", "home", "March 01 2004", "No");
    addDisc(c, "5", "Echo", "john", "March 05 2004", "No");
    addDisc(c, "6", "Foxtrot", "Home", "", "No");
    addDisc(c, "7", "Golf", "John", "not a date", "Yes");
    return c;
}

constexpr LocalDateTime kToday{2004, 3, 5, 12 * 3600};

using Pictures = std::vector<std::pair<std::string, DiscPicture>>;

Pictures pictures(const std::vector<LendingRow>& rows) {
    Pictures result;
    for (const LendingRow& row : rows) {
        result.emplace_back(row.number, row.picture);
    }
    return result;
}

TEST(AvailableDiscRows, AreTheDiscsExactlyAtHomeInCatalogueOrder) {
    const std::vector<LendingRow> rows = availableDiscRows(catalogue());
    EXPECT_EQ(pictures(rows),
              (Pictures{{"1", DiscPicture::Shared}, {"4", DiscPicture::NotShared}}));
    EXPECT_EQ(rows[1], (LendingRow{"delta", "4", "home", "March 01 2004", DiscPicture::NotShared}));
}

TEST(NonAvailableDiscRows, WithoutABorrowerListEveryDiscAwayFromHome) {
    const NonAvailableList list = nonAvailableDiscRows(catalogue(), "", {}, kToday);
    EXPECT_EQ(list.caption, "All non-available CDs");
    EXPECT_EQ(pictures(list.rows), (Pictures{{"2", DiscPicture::Shared},
                                             {"3", DiscPicture::NotShared},
                                             {"5", DiscPicture::NotShared},
                                             {"6", DiscPicture::NotShared},
                                             {"7", DiscPicture::Shared}}));
    EXPECT_EQ(list.rows[0],
              (LendingRow{"bravo", "2", "John", "March 04 2004", DiscPicture::Shared}));
}

TEST(NonAvailableDiscRows, AtIntervalZeroYesterdaysLendIsOverdueAndTodaysIsNot) {
    const NonAvailableList list = nonAvailableDiscRows(catalogue(), "", {true, 0}, kToday);
    EXPECT_EQ(pictures(list.rows), (Pictures{{"2", DiscPicture::Overdue},
                                             {"3", DiscPicture::NotShared},
                                             {"5", DiscPicture::NotShared},
                                             {"6", DiscPicture::NotShared},
                                             {"7", DiscPicture::Shared}}));
    // Just before midnight the day of the lend still counts as 0 days.
    const NonAvailableList late =
        nonAvailableDiscRows(catalogue(), "", {true, 0}, {2004, 3, 5, 86399});
    EXPECT_EQ(late.rows[2].picture, DiscPicture::NotShared);
}

TEST(NonAvailableDiscRows, ADiscIsOverdueOnlyOnceItsDaysExceedTheInterval) {
    CQXCatalog c;
    addDisc(c, "1", "A", "John", "March 05 2004", "Yes");
    const auto pictureOn = [&c](LocalDateTime now, OverdueRule rule) {
        return nonAvailableDiscRows(c, "", rule, now).rows.at(0).picture;
    };
    EXPECT_EQ(pictureOn({2004, 3, 19, 86399}, {true, 14}), DiscPicture::Shared);
    EXPECT_EQ(pictureOn({2004, 3, 20, 0}, {true, 14}), DiscPicture::Overdue);
    EXPECT_EQ(pictureOn({2005, 3, 20, 0}, {false, 14}), DiscPicture::Shared);
}

TEST(NonAvailableDiscRows, ABorrowerShowsOnlyTheDiscsLentToThatExactNameWithoutMarks) {
    const NonAvailableList list = nonAvailableDiscRows(catalogue(), "John", {true, 0}, kToday);
    EXPECT_EQ(list.caption, "All CDs lent by John");
    EXPECT_EQ(pictures(list.rows),
              (Pictures{{"2", DiscPicture::NotShared}, {"7", DiscPicture::NotShared}}));

    const NonAvailableList nobody = nonAvailableDiscRows(catalogue(), "Nobody", {}, kToday);
    EXPECT_EQ(nobody.caption, "All CDs lent by Nobody");
    EXPECT_TRUE(nobody.rows.empty());
}

TEST(ReadOverdueRule, MarksOnlyWhenTheFlagIsOneAndMissingValuesReadAsZero) {
    test::MemorySettings settings;
    EXPECT_FALSE(readOverdueRule(settings).marked);
    EXPECT_EQ(readOverdueRule(settings).intervalDays, 0);
    settings.writeNumber(setting::kSettingsKey, setting::kIntervalDue, 14);
    settings.writeNumber(setting::kSettingsKey, setting::kEnableOverdue, 2);
    EXPECT_FALSE(readOverdueRule(settings).marked);
    settings.writeNumber(setting::kSettingsKey, setting::kEnableOverdue, 1);
    EXPECT_TRUE(readOverdueRule(settings).marked);
    EXPECT_EQ(readOverdueRule(settings).intervalDays, 14);
}

std::vector<std::string> numbers(const std::vector<LendingRow>& rows) {
    std::vector<std::string> result;
    for (const LendingRow& row : rows) {
        result.push_back(row.number);
    }
    return result;
}

struct SortCase {
    LendingColumn column;
    bool descending;
    std::vector<std::string> order;
};

class SortLendingRows : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortLendingRows, SortsByTheColumnKeepingEqualRowsInOrder) {
    std::vector<LendingRow> rows = {{"beta", "10", "Zoe", "", {}},
                                    {"Alpha", "9", "anna", "", {}},
                                    {"alpha", "010", "Bob", "", {}},
                                    {"Gamma", "x", "ANNA", "", {}}};
    EXPECT_TRUE(sortLendingRows(rows, GetParam().column, GetParam().descending));
    EXPECT_EQ(numbers(rows), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortLendingRows,
    ::testing::Values(SortCase{LendingColumn::Name, false, {"9", "010", "10", "x"}},
                      SortCase{LendingColumn::Name, true, {"x", "10", "9", "010"}},
                      SortCase{LendingColumn::Number, false, {"x", "9", "10", "010"}},
                      SortCase{LendingColumn::Number, true, {"10", "010", "9", "x"}},
                      SortCase{LendingColumn::Location, false, {"9", "x", "010", "10"}},
                      SortCase{LendingColumn::Location, true, {"10", "010", "9", "x"}}));

TEST(SortLendingRows, TheLendDateColumnDoesNotSort) {
    std::vector<LendingRow> rows = {{"b", "2", "", "March 01 2004", {}},
                                    {"a", "1", "", "April 01 2004", {}}};
    EXPECT_FALSE(sortLendingRows(rows, LendingColumn::LentAt, true));
    EXPECT_EQ(numbers(rows), (std::vector<std::string>{"2", "1"}));
}

TEST(AlternatingSortOrder, EachColumnStartsDescendingAndThenAlternates) {
    AlternatingSortOrder order;
    EXPECT_TRUE(order.nextDescending(0));
    EXPECT_FALSE(order.nextDescending(0));
    EXPECT_TRUE(order.nextDescending(1));
    EXPECT_TRUE(order.nextDescending(0));
    EXPECT_FALSE(order.nextDescending(1));
}

}  // namespace
}  // namespace vorlix
