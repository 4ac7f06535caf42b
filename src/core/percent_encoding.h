#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// The text as a URL query value: every byte except letters, digits and "-_.~" as %XX, so that
// "&", "#", "+", "=" and blanks in a value can neither end it nor add parameters.
std::string percentEncoded(std::string_view text);

}  // namespace vorlix
