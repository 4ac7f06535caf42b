#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/clock.h"

namespace vorlix {

// A disc's date and lend date: the full English month name, the two-digit day and the
// four-digit year, "March 05 2004", whatever the user's language.
std::string discDateText(const LocalDateTime& date);

// Whole days from midnight of a lend date to `now`, the fraction dropped. A text that is not a
// date in that form (empty, another month name, a day the month does not have) counts as 0.
std::int64_t daysSinceDiscDate(std::string_view dateText, const LocalDateTime& now);

}  // namespace vorlix
