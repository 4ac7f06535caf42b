#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_list.h"

namespace vorlix {

class CQXCatalog;

// What an empty category list is filled with when the defcats setting asks for it.
inline constexpr std::array<std::string_view, 5> kDefaultCategories = {"Audio", "DVD", "Software",
                                                                       "Music", "Movie"};

// Category names are compared exactly, except where a rename must not produce a name that
// differs from an existing one only in case.
bool holdsExactly(const std::vector<std::string>& names, std::string_view name);
bool holdsExactly(const TextList& names, std::string_view name);
bool holdsIgnoringCase(const TextList& names, std::string_view name);

// Appends each name the list does not hold yet, in the given order; true when one was added.
bool appendMissing(TextList& list, const std::vector<std::string>& names);
bool appendMissing(std::vector<std::string>& list, const std::vector<std::string>& names);
// Removes every occurrence of each name; true when one was removed.
bool removeNames(TextList& list, const std::vector<std::string>& names);

// Replaces the old name by the new one in the catalogue's list and in the lists of every disc
// and every file entry.
void renameCategoryEverywhere(CQXCatalog& catalogue, std::string_view oldName,
                              const std::string& newName);
// Removes the names from the catalogue's list and from every disc and every file entry.
void removeCategoriesEverywhere(CQXCatalog& catalogue, const std::vector<std::string>& names);

// The display order of the names, compared without regard to case: the position in `names` of
// the first name to show, of the second, and so on. Equal names keep their order.
std::vector<std::size_t> displayOrder(const std::vector<std::string>& names, bool ascending);
std::vector<std::string> sortedNames(const std::vector<std::string>& names, bool ascending);

}  // namespace vorlix
