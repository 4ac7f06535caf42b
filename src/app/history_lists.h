#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

class CQXCatalog;

// The catalogue's two history lists, kept among its named objects: the search texts typed into
// the commands panel and the names of the borrowers discs were lent to.
inline constexpr std::string_view kSearchHistory = "SearchCombo";
inline constexpr std::string_view kLendHistory = "LendCombo";

// The words of the catalogue's history list under key, in order; none when it has no such list.
std::vector<std::string> historyWords(const CQXCatalog& catalogue, std::string_view key);

// Whether the catalogue holds a history list under key; a file may lack one, or hold something
// else under its name.
bool hasHistory(const CQXCatalog& catalogue, std::string_view key);

// Adds the word at the end of the list unless the list holds exactly this text already. False,
// and nothing changes, when the catalogue has no such list.
[[nodiscard]] bool rememberInHistory(CQXCatalog& catalogue, std::string_view key,
                                     std::string_view word);

// Gives the list these words instead of its own; false when the catalogue has no such list.
[[nodiscard]] bool replaceHistory(CQXCatalog& catalogue, std::string_view key,
                                  const std::vector<std::string>& words);

}  // namespace vorlix
