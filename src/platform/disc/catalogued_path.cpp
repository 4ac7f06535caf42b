#include "platform/disc/catalogued_path.h"

#include <cctype>

namespace vorlix {

std::optional<CataloguedPath> parseCataloguedPath(std::string_view path) {
    if (path.size() < 2 || path[1] != ':' || !std::isalpha(static_cast<unsigned char>(path[0]))) {
        return std::nullopt;
    }
    CataloguedPath parsed;
    parsed.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    std::string_view rest = path.substr(2);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\\');
        const std::string_view name = rest.substr(0, end);
        if (!name.empty()) {
            parsed.components.emplace_back(name);
        }
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return parsed;
}

std::string driveRoot(char letter) {
    return {letter, ':', '\\'};
}

}  // namespace vorlix
