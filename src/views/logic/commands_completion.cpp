#include "views/logic/commands_completion.h"

#include <algorithm>
#include <utility>

#include "core/text_case.h"

namespace vorlix {

std::vector<std::string> sortedIgnoringCase(std::vector<std::string> words) {
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(words.size());
    for (std::string& word : words) {
        keyed.emplace_back(lowerCase(word), std::move(word));
    }
    std::ranges::stable_sort(keyed, {}, &std::pair<std::string, std::string>::first);
    std::vector<std::string> sorted;
    sorted.reserve(keyed.size());
    for (auto& [key, word] : keyed) {
        sorted.push_back(std::move(word));
    }
    return sorted;
}

std::vector<std::string> completionMatches(const std::vector<std::string>& history,
                                           std::string_view typed) {
    std::vector<std::string> matches;
    for (const std::string& entry : history) {
        if (entry.size() > typed.size() ? entry.starts_with(typed) : entry == typed) {
            matches.push_back(entry);
        }
    }
    return sortedIgnoringCase(std::move(matches));
}

}  // namespace vorlix
