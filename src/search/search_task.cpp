#include "search/search_task.h"

#include <algorithm>
#include <numeric>

#include "app/search_query.h"
#include "core/text_case.h"
#include "search/search_findings.h"
#include "search/search_pattern.h"

namespace vorlix {

namespace {

bool containsText(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

SearchTask::SearchTask(const SearchParameters& parameters)
    : m_files(parameters.mode == kSearchFiles),
      m_byCategory(parameters.scope == kScopeByCategory),
      m_anyName(normalisedPattern(parameters.pattern) == kAnyName),
      m_pattern(lowerCase(normalisedPattern(parameters.pattern))),
      m_patternPairs(NamePairFilter::pairsOf(m_pattern.needle())),
      m_combinator(parameters.combinator),
      m_discNumber(m_files ? parameters.discNumber : std::string()),
      m_artist(lowerCase(parameters.artist)),
      m_folder(m_files ? lowerCase(parameters.folder) : std::string()),
      m_categories(parameters.categories),
      m_maySeeAll(parameters.maySeeAll) {}

bool SearchTask::run(const DiscSnapshots& discs, const std::atomic<bool>& stop,
                     SearchFindings& findings) const {
    for (const auto& held : discs) {
        if (stop.load(std::memory_order_relaxed)) {
            return false;
        }
        const DiscSnapshot& disc = *held;
        if (!visible(disc)) {
            findings.discWalked();
            continue;
        }
        if (m_files) {
            if (!walkDiscFiles(disc, stop, findings)) {
                return false;
            }
        } else if (discMatches(disc)) {
            findings.discFound(disc);
        }
        findings.discWalked();
    }
    return true;
}

bool SearchTask::visible(const DiscSnapshot& disc) const {
    return m_maySeeAll || disc.shared();
}

bool SearchTask::containsPattern(const std::string& key) const {
    return m_pattern.find(key, 0) != std::string_view::npos;
}

bool SearchTask::discMatches(const DiscSnapshot& disc) const {
    if (!m_artist.empty()) {
        return containsText(disc.artistKey(), m_artist) &&
               (m_anyName || containsPattern(disc.nameKey()));
    }
    if (m_byCategory) {
        return categoriesQualify(disc) && (m_anyName || containsPattern(disc.nameKey()));
    }
    return containsPattern(disc.nameKey());
}

bool SearchTask::categoriesQualify(const DiscSnapshot& disc) const {
    const auto carried = [&disc](const std::string& name) {
        return disc.categories().contains(name);
    };
    if (m_combinator == kCategoriesOr) {
        return std::ranges::any_of(m_categories, carried);
    }
    if (m_combinator == kCategoriesAnd) {
        return std::ranges::all_of(m_categories, carried);
    }
    return false;
}

bool SearchTask::walkDiscFiles(const DiscSnapshot& disc, const std::atomic<bool>& stop,
                               SearchFindings& findings) const {
    if (!m_discNumber.empty() && m_discNumber != disc.number()) {
        return true;
    }
    if (!m_artist.empty() && !containsText(disc.artistKey(), m_artist)) {
        return true;
    }
    std::vector<std::size_t> files;
    nameMatches(disc, stop, files);
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        if (stop.load(std::memory_order_relaxed)) {
            return false;
        }
        if (fileQualifies(disc, *file)) {
            findings.fileFound(disc, *file);
        }
    }
    return true;
}

void SearchTask::nameMatches(const DiscSnapshot& disc, const std::atomic<bool>& stop,
                             std::vector<std::size_t>& files) const {
    const bool everyName = m_byCategory && m_anyName;
    if (everyName || m_pattern.needle().empty()) {
        files.resize(disc.fileCount());
        std::iota(files.begin(), files.end(), std::size_t{0});
        return;
    }
    // No name holds a NUL, the separator between names in the keys.
    if (m_pattern.needle().find('\0') != std::string::npos) {
        return;
    }
    if (!disc.keyPairs().mayHold(m_patternPairs)) {
        return;
    }
    const std::string_view keys = disc.fileKeys();
    for (std::size_t at = m_pattern.find(keys, 0); at != std::string_view::npos;
         at = m_pattern.find(keys, at)) {
        if (stop.load(std::memory_order_relaxed)) {
            return;
        }
        const std::size_t file = disc.fileAt(at);
        files.push_back(file);
        at = disc.keyEnd(file);
    }
}

bool SearchTask::fileQualifies(const DiscSnapshot& disc, std::size_t file) const {
    if (m_byCategory) {
        const TextList& carried = disc.fileCategories(file);
        if (carried.size() < m_categories.size() ||
            !std::ranges::all_of(m_categories, [&carried](const std::string& name) {
                return carried.contains(name);
            })) {
            return false;
        }
    }
    return m_folder.empty() || disc.folder(file).find(m_folder) != std::string_view::npos;
}

}  // namespace vorlix
