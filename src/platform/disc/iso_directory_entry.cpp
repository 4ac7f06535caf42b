#include "platform/disc/iso_directory_entry.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace vorlix {

std::string isoEntryName(std::string_view recorded, bool rockRidge) {
    if (rockRidge) {
        return std::string(recorded);
    }
    const std::size_t separator = recorded.rfind(';');
    if (separator == std::string_view::npos || separator + 1 == recorded.size() ||
        !std::all_of(recorded.begin() + separator + 1, recorded.end(),
                     [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return std::string(recorded);
    }
    std::string_view name = recorded.substr(0, separator);
    if (name.size() > 1 && name.back() == '.') {
        name.remove_suffix(1);
    }
    return std::string(name);
}

void appendIsoEntry(std::vector<DirectoryEntry>& entries, DirectoryEntry entry) {
    if (!entry.folder && !entries.empty() && !entries.back().folder &&
        entries.back().name == entry.name) {
        entries.back().size += entry.size;
        return;
    }
    entries.push_back(std::move(entry));
}

}  // namespace vorlix
