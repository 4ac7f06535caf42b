#include "online/cddb_match.h"

namespace vorlix {

std::optional<CddbMatch> parseCddbMatch(std::string_view line) {
    const std::size_t categoryEnd = line.find(' ');
    if (categoryEnd == 0 || categoryEnd == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t idStart = categoryEnd + 1;
    const std::size_t idEnd = line.find(' ', idStart);
    const std::string_view discId = line.substr(idStart, idEnd - idStart);
    if (discId.empty()) {
        return std::nullopt;
    }
    const std::string_view discTitle =
        idEnd == std::string_view::npos ? std::string_view() : line.substr(idEnd + 1);
    return CddbMatch{std::string(line.substr(0, categoryEnd)), std::string(discId),
                     std::string(discTitle)};
}

}  // namespace vorlix
