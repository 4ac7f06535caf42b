#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/search_query.h"

namespace vorlix {

class CQX2Doc;
class UserPrompt;

inline constexpr std::string_view kSelectCategoriesMessage = "Please, select categories.";
inline constexpr std::string_view kSearchHistoryMissingMessage = "OnButtonNameSearch() #Map Lookup";

// The commands panel's scope radio buttons.
enum class SearchScope { Everything, ByCategory };

// A search window's request for the query: the user may see every disc when they own the
// catalogue, and a search by category takes the category names chosen for it.
SearchRequest searchRequestFor(CQX2Doc& document, const SearchQuery& query,
                               const std::vector<std::string>& chosenCategories, bool startAtOnce);

// "Start Search Center": the request for a search of the names of discs matching the search
// text ("*" when it is empty), which joins the search history. A search of everything with "*"
// is a search by category that no category narrows. Nothing while the catalogue has no disc, or
// for a search by category with no category chosen, which is told.
std::optional<SearchRequest> panelSearchRequest(CQX2Doc& document, UserPrompt& prompt,
                                                const std::string& searchText, SearchScope scope,
                                                const std::vector<std::string>& chosenCategories);

}  // namespace vorlix
