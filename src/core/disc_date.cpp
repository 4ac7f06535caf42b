#include "core/disc_date.h"

#include <array>
#include <cstdio>
#include <optional>

#include "core/numbers.h"

namespace vorlix {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Days from 1 January 1970 to the date of the proleptic Gregorian calendar; counting on the
// calendar rather than with the C library keeps a day 24 hours long across clock changes.
std::int64_t dayNumber(int year, int month, int day) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t monthFromMarch = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The day number of a "March 05 2004" text, split at its first two spaces.
std::optional<std::int64_t> readDate(std::string_view text) {
    const std::size_t first = text.find(' ');
    const std::string_view monthName = text.substr(0, first);
    const std::string_view rest =
        first == std::string_view::npos ? std::string_view() : text.substr(first + 1);
    const std::size_t second = rest.find(' ');
    const std::string_view dayText = rest.substr(0, second);
    const std::string_view yearText =
        second == std::string_view::npos ? std::string_view() : rest.substr(second + 1);

    int month = 0;
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (kMonths[i] == monthName) {
            month = static_cast<int>(i) + 1;
        }
    }
    const int day = leadingInt(dayText);
    const int year = leadingInt(yearText);
    if (month == 0 || year < 1 || year > 9999 || day < 1 || day > daysInMonth(year, month)) {
        return std::nullopt;
    }
    return dayNumber(year, month, day);
}

}  // namespace

std::string discDateText(const LocalDateTime& date) {
    char text[48];
    std::snprintf(text, sizeof text, "%s %02d %d",
                  kMonths[static_cast<std::size_t>(date.month - 1)].data(), date.day, date.year);
    return text;
}

std::int64_t daysSinceDiscDate(std::string_view dateText, const LocalDateTime& now) {
    const std::optional<std::int64_t> lent = readDate(dateText);
    if (!lent) {
        return 0;
    }
    const std::int64_t seconds =
        (dayNumber(now.year, now.month, now.day) - *lent) * kSecondsPerDay + now.secondOfDay;
    // Division in C++ drops the fraction towards zero, also for a date still to come.
    return seconds / kSecondsPerDay;
}

}  // namespace vorlix
