#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlix {

// Appends a UTF-8 text as a JSON string literal, quotes included.
void appendJsonString(std::string& out, std::string_view text);

// The same into a buffer with room for jsonStringMost(text) bytes; returns the end.
char* putJsonString(char* out, std::string_view text);
inline std::size_t jsonStringMost(std::string_view text) {
    return 6 * text.size() + 2;
}

}  // namespace vorlix
