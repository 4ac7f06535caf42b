#include "search/search_pattern.h"

#include <algorithm>

namespace vorlix {

std::string normalisedPattern(std::string_view typed) {
    if (typed.empty()) {
        return std::string(kAnyName);
    }
    std::string pattern(typed);
    if (pattern.size() > 1 && (pattern.front() == '*' || pattern.back() == '*')) {
        std::erase(pattern, '*');
    }
    return pattern;
}

}  // namespace vorlix
