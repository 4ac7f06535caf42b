#include "tasks/lending_lists.h"

#include "accounts/disc_sharing.h"
#include "app/setting_names.h"
#include "app/settings/settings_flags.h"
#include "app/settings_store.h"
#include "core/catalog.h"
#include "core/disc_date.h"

namespace vorlix {

namespace {

DiscPicture sharedPicture(const CQXDisc& disc) {
    return disc.shared() == kSharedYes ? DiscPicture::Shared : DiscPicture::NotShared;
}

LendingRow rowOf(const CQXDisc& disc, DiscPicture picture) {
    return {std::string(disc.name()), std::string(disc.number()), std::string(disc.location()),
            std::string(disc.lendDate()), picture};
}

}  // namespace

OverdueRule readOverdueRule(const SettingsStore& settings) {
    return {readFlag(settings, setting::kEnableOverdue),
            settings.readNumber(setting::kSettingsKey, setting::kIntervalDue)};
}

std::vector<LendingRow> availableDiscRows(const CQXCatalog& catalogue) {
    std::vector<LendingRow> rows;
    for (const auto& disc : catalogue.discs) {
        if (disc->location() == kHomeLocation) {
            rows.push_back(rowOf(*disc, sharedPicture(*disc)));
        }
    }
    return rows;
}

NonAvailableList nonAvailableDiscRows(const CQXCatalog& catalogue, const std::string& borrower,
                                      const OverdueRule& rule, const LocalDateTime& now) {
    NonAvailableList list;
    if (!borrower.empty()) {
        list.caption = std::string(kLentByCaption) + borrower;
        for (const auto& disc : catalogue.discs) {
            if (disc->location() == borrower) {
                list.rows.push_back(rowOf(*disc, DiscPicture::NotShared));
            }
        }
        return list;
    }
    list.caption = kAllNonAvailableCaption;
    for (const auto& disc : catalogue.discs) {
        if (disc->location() == kHomeLocation) {
            continue;
        }
        const bool overdue =
            rule.marked && daysSinceDiscDate(disc->lendDate(), now) > rule.intervalDays;
        list.rows.push_back(rowOf(*disc, overdue ? DiscPicture::Overdue : sharedPicture(*disc)));
    }
    return list;
}

}  // namespace vorlix
