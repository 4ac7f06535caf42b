#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlix {

// Reads a number held as text the way the catalogue does everywhere: optional blanks, an
// optional sign, then the leading digits; a text that does not start with a number reads as 0.
// Values beyond the 32-bit range saturate.
std::int32_t leadingInt(std::string_view text);

// The "%d" form of a value.
std::string decimalText(std::int64_t value);

// A volume serial number as the catalogue keeps it: the 32-bit serial read as a signed number,
// "%d" (3902927555 gives "-392039741").
std::string serialText(std::uint32_t serial);

}  // namespace vorlix
