#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// The bytes of text for a query string: letters, digits and "-_.~" as they are, every other
// byte as "%" and two upper-case hexadecimal digits, so that no value can end its field early
// ("&", "#") or add a field of its own.
std::string percentEncoded(std::string_view text);

}  // namespace vorlix
