#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// Appends the UTF-8 form of Joliet text: UCS-2 in big-endian byte order, taken as UTF-16 since
// Windows records characters beyond the first plane as surrogate pairs. An unpaired surrogate
// becomes U+FFFD and an odd last byte is dropped.
void appendJolietText(std::string_view ucs2be, std::string& out);

}  // namespace vorlix
