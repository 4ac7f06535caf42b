#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.h"

namespace vorlix {

class CQXCatalog;
class SettingsStore;

inline constexpr std::string_view kAllAvailableMessage = "All CDs are available";
inline constexpr std::string_view kAllNonAvailableCaption = "All non-available CDs";
inline constexpr std::string_view kLentByCaption = "All CDs lent by ";

// The picture a row of the lending lists shows.
enum class DiscPicture { NotShared, Shared, Overdue };

// One disc of the available or the non-available list.
struct LendingRow {
    std::string name;
    std::string number;
    std::string location;
    std::string lendDate;
    DiscPicture picture = DiscPicture::NotShared;

    bool operator==(const LendingRow&) const = default;
};

// Whether lent discs are marked overdue, and after how many days.
struct OverdueRule {
    bool marked = false;
    std::int64_t intervalDays = 0;
};

// The rule as the settings give it now: `enableoverdue` and `intervaldue`; both read as 0,
// so off, when they are missing.
OverdueRule readOverdueRule(const SettingsStore& settings);

// The discs at home, in catalogue order.
std::vector<LendingRow> availableDiscRows(const CQXCatalog& catalogue);

struct NonAvailableList {
    std::string caption;
    std::vector<LendingRow> rows;
};

// The discs lent to the borrower (its exact name), or, without one, every disc not at home
// with the overdue ones marked by the rule. Catalogue order.
NonAvailableList nonAvailableDiscRows(const CQXCatalog& catalogue, const std::string& borrower,
                                      const OverdueRule& rule, const LocalDateTime& now);

}  // namespace vorlix
