#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

class CQXCatalog;
class FilterLists;
class SettingsStore;
class UserPrompt;

inline constexpr std::string_view kOptimizeQuestion =
    "This will delete all files with a filtered extension. Continue?\nSee the extension list "
    "from the Scanfilter dialog!";

// Lets the user move extensions the catalogue holds, but neither filter list names, to the
// keep list: the scan filter dialog, modal, over those extensions.
class ExtensionReview {
public:
    virtual ~ExtensionReview() = default;
    virtual void review(FilterLists& lists, std::vector<std::string>& detected) = 0;
};

struct OptimizationCounts {
    std::uint64_t all = 0;
    std::uint64_t removed = 0;
};

// "Optimize Database": removes from every disc the file entries whose extension the keep list
// does not hold (and, with delnoext, those without an extension). Runs in two halves so that
// whoever holds entries can let go of them between the user's last Yes and the removal.
class DatabaseOptimizer {
public:
    DatabaseOptimizer(FilterLists& lists, SettingsStore& settings, UserPrompt& prompt,
                      ExtensionReview& review);

    // Reloads the filter lists, offers the unknown extensions for review, shows the count when
    // optimizationcheck asks for it and asks for confirmation. False when the user stopped or
    // the lists could not be read (which has been reported); nothing has changed then.
    bool confirm(const CQXCatalog& catalogue);

    // Removes the entries, keeping the order of the rest, and reports the counts.
    OptimizationCounts removeEntries(CQXCatalog& catalogue);

    // The count of the confirmation, without asking anybody.
    OptimizationCounts count(const CQXCatalog& catalogue) const;

private:
    FilterLists& m_lists;
    SettingsStore& m_settings;
    UserPrompt& m_prompt;
    ExtensionReview& m_review;
};

// The text shown before removing: the counts and "Continue?".
std::string optimizationCheckText(const OptimizationCounts& counts);
// The text shown after removing.
std::string optimizationDoneText(const OptimizationCounts& counts);

}  // namespace vorlix
