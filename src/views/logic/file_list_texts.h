#pragma once

#include <string>
#include <string_view>

#include "core/stored_size.h"

namespace vorlix {

// The Name column: the file name before its last ".", or the whole name when it has none.
std::string fileNameStem(std::string_view fileName);

// The Type column: the text after the last "." of the file name in capitals; empty without a
// ".". Only ASCII letters change, which covers the extensions that occur in practice.
std::string fileTypeText(std::string_view fileName);

// The Size column: the stored size in megabytes of 1,048,576 bytes, three decimals and the
// unit ("1.000 MB"), whatever the user's locale.
std::string fileSizeText(std::string_view sizeText);

// The Size column text of the largest size a file entry holds: no Size text is longer.
std::string largestFileSizeText();

// The number a Size column text begins with ("2861.023" of "2861.023 MB"); 0 when none.
double sizeTextValue(std::string_view sizeText);

}  // namespace vorlix
