#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// The one lower-casing used for comparisons everywhere (scan filter, folder paths, search): each
// character becomes its simple Unicode lowercase mapping, one character for one, whatever the
// locale. Bytes that are not well-formed UTF-8 are kept as they are.
std::string lowerCase(std::string_view utf8);

// The simple lowercase mapping of one code point; the code point itself when it has none.
char32_t lowerCaseChar(char32_t cp);

}  // namespace vorlix
