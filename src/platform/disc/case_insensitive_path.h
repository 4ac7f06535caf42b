#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vorlix {

// The real path below base that the names lead to, each looked up in its folder without regard
// to case (a name of the same case wins over others). A folder entry whose bytes are not UTF-8
// matches by its Windows-1252 reading, the text a scan catalogues it by. nullopt when a name has no
// match, or is
// "." or "..", which would lead out of base.
std::optional<std::string> findPathIgnoringCase(const std::string& base,
                                                const std::vector<std::string>& names);

}  // namespace vorlix
