#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// One disc a query found, as the server lists it: "category discid dtitle".
struct CddbMatch {
    std::string category;
    std::string discId;
    std::string discTitle;
};

// nullopt unless the line holds at least a category and a disc id.
std::optional<CddbMatch> parseCddbMatch(std::string_view line);

}  // namespace vorlix
