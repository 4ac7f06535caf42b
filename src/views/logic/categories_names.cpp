#include "views/logic/categories_names.h"

#include <algorithm>
#include <numeric>

#include "core/catalog.h"
#include "core/text_case.h"

namespace vorlix {

namespace {

// A list that already holds the new name only loses the old one, so no name appears twice.
void renameIn(TextList& list, std::string_view oldName, const std::string& newName) {
    if (!list.contains(oldName)) {
        return;
    }
    const bool holdsNew = list.contains(newName);
    TextList renamed;
    for (std::string_view name : list) {
        if (name != oldName) {
            renamed.push_back(name);
        } else if (!holdsNew) {
            renamed.push_back(newName);
        }
    }
    renamed.shrinkToFit();
    list = std::move(renamed);
}

template <typename List>
bool appendMissingTo(List& list, const std::vector<std::string>& names) {
    bool added = false;
    for (const std::string& name : names) {
        if (!holdsExactly(list, name)) {
            list.push_back(name);
            added = true;
        }
    }
    return added;
}

}  // namespace

bool holdsExactly(const std::vector<std::string>& names, std::string_view name) {
    return std::ranges::find(names, name) != names.end();
}

bool holdsExactly(const TextList& names, std::string_view name) {
    return names.contains(name);
}

bool holdsIgnoringCase(const TextList& names, std::string_view name) {
    const std::string lowered = lowerCase(name);
    return std::ranges::any_of(names,
                               [&lowered](std::string_view n) { return lowerCase(n) == lowered; });
}

bool appendMissing(TextList& list, const std::vector<std::string>& names) {
    return appendMissingTo(list, names);
}

bool appendMissing(std::vector<std::string>& list, const std::vector<std::string>& names) {
    return appendMissingTo(list, names);
}

bool removeNames(TextList& list, const std::vector<std::string>& names) {
    return list.eraseIf([&names](std::string_view name) { return holdsExactly(names, name); }) > 0;
}

void renameCategoryEverywhere(CQXCatalog& catalogue, std::string_view oldName,
                              const std::string& newName) {
    renameIn(catalogue.categories, oldName, newName);
    for (const auto& disc : catalogue.discs) {
        renameIn(disc->editCategories(), oldName, newName);
        for (CQXFileData& entry : disc->files) {
            renameIn(entry.editCategories(), oldName, newName);
        }
    }
}

void removeCategoriesEverywhere(CQXCatalog& catalogue, const std::vector<std::string>& names) {
    removeNames(catalogue.categories, names);
    for (const auto& disc : catalogue.discs) {
        removeNames(disc->editCategories(), names);
        for (CQXFileData& entry : disc->files) {
            removeNames(entry.editCategories(), names);
        }
    }
}

std::vector<std::size_t> displayOrder(const std::vector<std::string>& names, bool ascending) {
    std::vector<std::string> keys;
    keys.reserve(names.size());
    for (const std::string& name : names) {
        keys.push_back(lowerCase(name));
    }
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::ranges::stable_sort(order, [&keys, ascending](std::size_t a, std::size_t b) {
        return ascending ? keys[a] < keys[b] : keys[b] < keys[a];
    });
    return order;
}

std::vector<std::string> sortedNames(const std::vector<std::string>& names, bool ascending) {
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (std::size_t position : displayOrder(names, ascending)) {
        sorted.push_back(names[position]);
    }
    return sorted;
}

}  // namespace vorlix
