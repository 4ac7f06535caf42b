#include "core/disc.h"

namespace vorlix {

std::string outlineWithName(const std::string& outline, const std::string& newName) {
    const auto space = outline.find(' ');
    const std::string numberPart = space == std::string::npos ? "" : outline.substr(0, space);
    const auto lineEnd = outline.find("\r\n");
    const std::string rest = lineEnd == std::string::npos ? outline : outline.substr(lineEnd);
    return numberPart + " " + newName + rest;
}

}  // namespace vorlix
