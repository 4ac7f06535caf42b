#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// Appends a UTF-8 text as a JSON string literal, quotes included.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace vorlix
