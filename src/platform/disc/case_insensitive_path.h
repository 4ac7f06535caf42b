#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vorlix {

// The real path below base that the names lead to, each looked up in its folder without regard
// to case (a name of the same case wins over others). A folder entry matches by the text a scan
// catalogues it by: its Windows-1252 reading when its bytes are not UTF-8, with stand-ins for
// the characters a catalogue cannot hold. nullopt when a name has no match, or is "." or "..",
// which would lead out of base.
std::optional<std::string> findPathIgnoringCase(const std::string& base,
                                                const std::vector<std::string>& names);

}  // namespace vorlix
