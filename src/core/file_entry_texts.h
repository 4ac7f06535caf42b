#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// How a file entry is shown wherever files are listed (the file list, search results).

// The name before its last ".", or the whole name when it has none.
std::string fileNameStem(std::string_view fileName);

// The text after the last "." of the file name in capitals; empty without a ".". Only ASCII
// letters change, which covers the extensions that occur in practice.
std::string fileTypeText(std::string_view fileName);

// The stored size in megabytes of 1,048,576 bytes, three decimals and the unit ("1.000 MB"),
// whatever the user's locale.
std::string fileSizeText(std::string_view sizeText);

}  // namespace vorlix
