#include "tasks/search_window/search_caption.h"

#include "app/search_query.h"

namespace vorlix {

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
