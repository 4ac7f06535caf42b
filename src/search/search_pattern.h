#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// The name a search looks for, from the pattern field as typed: empty means "*"; a text longer
// than one character that begins or ends with "*" loses every "*", inner ones too ("**" becomes
// the empty text, which every name contains). A "*" between other characters stays an ordinary
// character. The result is not yet lower-cased.
std::string normalisedPattern(std::string_view typed);

// The pattern that stands for no name condition where a search allows it.
inline constexpr std::string_view kAnyName = "*";

}  // namespace vorlix
