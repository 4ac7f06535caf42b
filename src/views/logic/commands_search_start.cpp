#include "views/logic/commands_search_start.h"

#include "accounts/ownership.h"
#include "app/catalogue_document.h"
#include "app/history_lists.h"
#include "core/user_prompt.h"

namespace vorlix {

SearchRequest searchRequestFor(CQX2Doc& document, const SearchQuery& query,
                               const std::vector<std::string>& chosenCategories, bool startAtOnce) {
    SearchRequest request{
        query, {}, isOwner(document.catalogue(), document.identity()), startAtOnce};
    if (query.scope == kScopeByCategory) {
        request.categories = chosenCategories;
    }
    return request;
}

std::optional<SearchRequest> panelSearchRequest(CQX2Doc& document, UserPrompt& prompt,
                                                const std::string& searchText, SearchScope scope,
                                                const std::vector<std::string>& chosenCategories) {
    if (!document.hasDiscs()) {
        return std::nullopt;
    }
    SearchQuery query;
    query.pattern = searchText.empty() ? "*" : searchText;
    if (!rememberInHistory(document.catalogue(), kSearchHistory, query.pattern)) {
        prompt.message(kSearchHistoryMissingMessage);
    }
    query.mode = kSearchDiscs;
    if (scope == SearchScope::Everything) {
        query.scope = query.pattern == "*" ? kScopeByCategory : kScopeEverything;
    } else if (!chosenCategories.empty()) {
        query.scope = kScopeByCategory;
    } else {
        prompt.message(kSelectCategoriesMessage);
        return std::nullopt;
    }
    query.combinator = kCategoriesAnd;
    return searchRequestFor(document, query, chosenCategories, false);
}

}  // namespace vorlix
