#pragma once

#include <string>
#include <string_view>

#include "core/file_entry_texts.h"
#include "core/stored_size.h"

namespace vorlix {

// The Name, Type and Size columns are the texts of core/file_entry_texts.h.

// The Size column text of the largest size a file entry holds: no Size text is longer.
std::string largestFileSizeText();

// The number a Size column text begins with ("2861.023" of "2861.023 MB"); 0 when none.
double sizeTextValue(std::string_view sizeText);

}  // namespace vorlix
