#include "app/history_lists.h"

#include "core/catalog.h"

namespace vorlix {

namespace {

// The list under key, as const as the catalogue; null when there is none.
template <typename Catalogue>
auto* listOf(Catalogue& catalogue, std::string_view key) {
    auto* object = catalogue.named.find(key);
    return object == nullptr ? nullptr : std::get_if<StringList>(object);
}

}  // namespace

std::vector<std::string> historyWords(const CQXCatalog& catalogue, std::string_view key) {
    std::vector<std::string> words;
    if (const auto* list = listOf(catalogue, key)) {
        for (const auto& word : list->items) {
            words.emplace_back(word);
        }
    }
    return words;
}

bool hasHistory(const CQXCatalog& catalogue, std::string_view key) {
    return listOf(catalogue, key) != nullptr;
}

bool rememberInHistory(CQXCatalog& catalogue, std::string_view key, std::string_view word) {
    auto* list = listOf(catalogue, key);
    if (list == nullptr) {
        return false;
    }
    for (const auto& present : list->items) {
        if (present == word) {
            return true;
        }
    }
    list->items.push_back(std::string(word));
    return true;
}

bool replaceHistory(CQXCatalog& catalogue, std::string_view key,
                    const std::vector<std::string>& words) {
    auto* list = listOf(catalogue, key);
    if (list == nullptr) {
        return false;
    }
    list->items.clear();
    for (const std::string& word : words) {
        list->items.push_back(word);
    }
    return true;
}

}  // namespace vorlix
