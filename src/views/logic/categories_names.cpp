#include "views/logic/categories_names.h"

#include <algorithm>
#include <numeric>

#include "core/catalog.h"
#include "core/text_case.h"

namespace vorlix {

namespace {

// A list that already holds the new name only loses the old one, so no name appears twice.
void renameIn(std::vector<std::string>& list, std::string_view oldName,
              const std::string& newName) {
    const auto old = std::ranges::find(list, oldName);
    if (old == list.end()) {
        return;
    }
    if (holdsExactly(list, newName)) {
        std::erase(list, std::string(oldName));
    } else {
        std::ranges::replace(list, std::string(oldName), newName);
    }
}

}  // namespace

bool holdsExactly(const std::vector<std::string>& names, std::string_view name) {
    return std::ranges::find(names, name) != names.end();
}

bool holdsIgnoringCase(const std::vector<std::string>& names, std::string_view name) {
    const std::string lowered = lowerCase(name);
    return std::ranges::any_of(
        names, [&lowered](const std::string& n) { return lowerCase(n) == lowered; });
}

bool appendMissing(std::vector<std::string>& list, const std::vector<std::string>& names) {
    bool added = false;
    for (const std::string& name : names) {
        if (!holdsExactly(list, name)) {
            list.push_back(name);
            added = true;
        }
    }
    return added;
}

bool removeNames(std::vector<std::string>& list, const std::vector<std::string>& names) {
    const std::size_t before = list.size();
    std::erase_if(list, [&names](const std::string& name) { return holdsExactly(names, name); });
    return list.size() != before;
}

void renameCategoryEverywhere(CQXCatalog& catalogue, std::string_view oldName,
                              const std::string& newName) {
    renameIn(catalogue.categories, oldName, newName);
    for (const auto& disc : catalogue.discs) {
        renameIn(disc->categories, oldName, newName);
        for (const auto& entry : disc->files) {
            // Most entries carry no categories; reading first keeps them without a list.
            if (holdsExactly(entry->categories(), oldName)) {
                renameIn(entry->editCategories(), oldName, newName);
            }
        }
    }
}

void removeCategoriesEverywhere(CQXCatalog& catalogue, const std::vector<std::string>& names) {
    removeNames(catalogue.categories, names);
    for (const auto& disc : catalogue.discs) {
        removeNames(disc->categories, names);
        for (const auto& entry : disc->files) {
            if (!entry->categories().empty()) {
                removeNames(entry->editCategories(), names);
            }
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
