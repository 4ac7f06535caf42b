#include "scan/database_optimizer.h"

#include <algorithm>
#include <unordered_set>

#include "app/setting_names.h"
#include "app/settings_store.h"
#include "core/catalog.h"
#include "core/text_case.h"
#include "core/user_prompt.h"
#include "scan/filter_lists.h"

namespace vorlix {
namespace {

// The extension of a file name: what follows its last ".", lower-cased, possibly empty; none
// when the name has no ".". Lower-casing the part after the dot is lower-casing the name and
// then taking that part, since no character lower-cases to a dot.
std::optional<std::string> extensionOf(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    return lowerCase(name.substr(dot + 1));
}

// Which entries the optimisation removes. The keep list is looked up once per entry among a
// million, hence the set.
class RemovalRule {
public:
    RemovalRule(const std::vector<std::string>& keep, bool removeWithoutExtension)
        : m_keep(keep.begin(), keep.end()), m_removeWithoutExtension(removeWithoutExtension) {}

    bool removes(const CQXFileData& entry) const {
        const std::optional<std::string> extension = extensionOf(entry.name());
        return extension ? !m_keep.contains(*extension) : m_removeWithoutExtension;
    }

private:
    std::unordered_set<std::string> m_keep;
    bool m_removeWithoutExtension;
};

RemovalRule removalRule(const FilterLists& lists, const SettingsStore& settings) {
    return RemovalRule(lists.keepList(),
                       settings.readNumber(setting::kSettingsKey, setting::kDelNoExt) == 1);
}

// The extensions on neither list, without repeats, in the order the catalogue first holds them.
std::vector<std::string> unknownExtensions(const CQXCatalog& catalogue, const FilterLists& lists) {
    std::unordered_set<std::string> seen(lists.keepList().begin(), lists.keepList().end());
    seen.insert(lists.skipList().begin(), lists.skipList().end());
    std::vector<std::string> unknown;
    for (const auto& disc : catalogue.discs) {
        for (const auto& entry : disc->files) {
            if (std::optional<std::string> extension = extensionOf(entry.name());
                extension && seen.insert(*extension).second) {
                unknown.push_back(std::move(*extension));
            }
        }
    }
    return unknown;
}

std::size_t removeEntriesOf(CQXDisc& disc, const RemovalRule& rule) {
    return disc.files.removeIf([&](const CQXFileData& entry) { return rule.removes(entry); });
}

}  // namespace

std::string optimizationCheckText(const OptimizationCounts& counts) {
    return "Database Optimization Checksum\n----------------------------------------\nAll Files:"
           "                 " +
           std::to_string(counts.all) + "\nTo be Removed:   " + std::to_string(counts.removed) +
           "\nRemaining Files:    " + std::to_string(counts.all - counts.removed) +
           "\n-----------------\nContinue?";
}

std::string optimizationDoneText(const OptimizationCounts& counts) {
    return "Files Starting:        " + std::to_string(counts.all) +
           "\nFiles Removed:     " + std::to_string(counts.removed) +
           "\nFiles Remaining:    " + std::to_string(counts.all - counts.removed) +
           "\n-----------------\nDatabase Optimized.";
}

DatabaseOptimizer::DatabaseOptimizer(FilterLists& lists, SettingsStore& settings,
                                     UserPrompt& prompt, ExtensionReview& review)
    : m_lists(lists), m_settings(settings), m_prompt(prompt), m_review(review) {}

bool DatabaseOptimizer::confirm(const CQXCatalog& catalogue) {
    // Lists that could not be read would count as empty, and every entry would go.
    if (const Result loaded = m_lists.load(); !loaded.ok()) {
        m_prompt.message(loaded.message(), MessageIcon::Stop);
        return false;
    }
    if (std::vector<std::string> unknown = unknownExtensions(catalogue, m_lists);
        !unknown.empty()) {
        m_review.review(m_lists, unknown);
    }
    if (m_settings.readNumber(setting::kSettingsKey, setting::kOptimizationCheck) == 1 &&
        m_prompt.ask(optimizationCheckText(count(catalogue)), Buttons::YesNo,
                     MessageIcon::Information) != Answer::Yes) {
        return false;
    }
    return m_prompt.ask(kOptimizeQuestion, Buttons::YesNo, MessageIcon::None) == Answer::Yes;
}

OptimizationCounts DatabaseOptimizer::count(const CQXCatalog& catalogue) const {
    const RemovalRule rule = removalRule(m_lists, m_settings);
    OptimizationCounts counts;
    for (const auto& disc : catalogue.discs) {
        counts.all += disc->files.size();
        counts.removed += static_cast<std::uint64_t>(
            std::count_if(disc->files.begin(), disc->files.end(),
                          [&](const auto& entry) { return rule.removes(entry); }));
    }
    return counts;
}

OptimizationCounts DatabaseOptimizer::removeEntries(CQXCatalog& catalogue) {
    const RemovalRule rule = removalRule(m_lists, m_settings);
    OptimizationCounts counts;
    for (const auto& disc : catalogue.discs) {
        counts.all += disc->files.size();
        counts.removed += removeEntriesOf(*disc, rule);
    }
    m_prompt.message(optimizationDoneText(counts), MessageIcon::Information);
    return counts;
}

}  // namespace vorlix
