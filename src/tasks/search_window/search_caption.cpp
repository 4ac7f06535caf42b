#include "tasks/search_window/search_caption.h"

#include <algorithm>

#include "app/search_query.h"

namespace vorlix {

std::string normalisedSearchPattern(std::string_view typed) {
    if (typed.empty()) {
        return "*";
    }
    std::string pattern(typed);
    if (pattern.size() > 1 && (pattern.front() == '*' || pattern.back() == '*')) {
        std::erase(pattern, '*');
    }
    return pattern;
}

std::string searchCaption(const SearchCaptionParts& parts) {
    if (parts.mode == kSearchDiscs) {
        return "CD search '" + std::string(parts.pattern);
    }
    std::string caption = "Pattern '" + std::string(parts.pattern);
    if (!parts.folder.empty()) {
        caption.append(" in folder : '").append(parts.folder);
    }
    if (!parts.artist.empty()) {
        caption.append("' artist '").append(parts.artist);
    }
    if (!parts.discNumber.empty()) {
        caption.append("' in CD ").append(parts.discNumber);
    } else {
        caption += parts.artist.empty() ? "' in all CDs" : "'";
    }
    return caption;
}

}  // namespace vorlix
