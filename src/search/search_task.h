#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/search_service.h"
#include "search/disc_snapshot.h"
#include "search/substring_finder.h"

namespace vorlix {

class SearchFindings;

// The combinator by which a disc qualifies with any one of the chosen categories; the other
// one, kCategoriesAnd, is in search_query.h.
inline constexpr std::string_view kCategoriesOr = "OR";

// One search: the parameters as the matching rules use them (pattern normalised and, like
// artist and folder, lower-cased), run over a snapshot of the catalogue's discs.
class SearchTask {
public:
    explicit SearchTask(const SearchParameters& parameters);

    // Walks the discs and reports every match. A stop request is looked at before each disc
    // and each file entry; returns false when the walk ended on one.
    bool run(const DiscSnapshots& discs, const std::atomic<bool>& stop,
             SearchFindings& findings) const;
    // A file search rather than a disc search.
    bool searchesFiles() const { return m_files; }

private:
    bool visible(const DiscSnapshot& disc) const;
    bool discMatches(const DiscSnapshot& disc) const;
    bool categoriesQualify(const DiscSnapshot& disc) const;
    bool containsPattern(const std::string& key) const;
    bool walkDiscFiles(const DiscSnapshot& disc, const std::atomic<bool>& stop,
                       SearchFindings& findings) const;
    // The entries whose name passes the name condition, ascending.
    void nameMatches(const DiscSnapshot& disc, const std::atomic<bool>& stop,
                     std::vector<std::size_t>& files) const;
    bool fileQualifies(const DiscSnapshot& disc, std::size_t file) const;

    bool m_files;
    bool m_byCategory;
    bool m_anyName;  // the pattern "*"
    SubstringFinder m_pattern;
    std::vector<std::uint32_t> m_patternPairs;
    std::string m_combinator;
    std::string m_discNumber;
    std::string m_artist;
    std::string m_folder;
    std::vector<std::string> m_categories;
    bool m_maySeeAll;
};

}  // namespace vorlix
