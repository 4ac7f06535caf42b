#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// The words a search query is made of.
inline constexpr std::string_view kSearchDiscs = "names";
inline constexpr std::string_view kSearchFiles = "files";
inline constexpr std::string_view kScopeEverything = "all";
inline constexpr std::string_view kScopeByCategory = "byCat";
inline constexpr std::string_view kCategoriesAnd = "And";

// What a new search window starts from: the seven texts the commands panel and the categories
// panel hand over. "*" as pattern stands for no name condition where the search allows it.
struct SearchQuery {
    std::string pattern;
    std::string mode;        // kSearchDiscs or kSearchFiles
    std::string scope;       // kScopeEverything or kScopeByCategory
    std::string discNumber;  // only files on the disc with this number; empty for all
    std::string artist;
    std::string folder;
    std::string combinator;  // how the chosen categories combine in a disc search

    bool operator==(const SearchQuery&) const = default;
};

// A search window to open: the query, the category names chosen for a search by category,
// whether the user may see every disc (the owner) or only shared ones, and whether the window
// runs its first search by itself.
struct SearchRequest {
    SearchQuery query;
    std::vector<std::string> categories;
    bool maySeeAll = false;
    bool startAtOnce = false;

    bool operator==(const SearchRequest&) const = default;
};

}  // namespace vorlix
