#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlix {

// Appends a UTF-8 text for a terminal: control characters (C0, DEL and C1) are written as
// "\xHH" so that a stored text can neither fake output lines nor send the terminal escape
// sequences. Every other character is written as it is.
void appendTerminalText(std::string& out, std::string_view text);

// The same into a buffer with room for terminalTextMost(text) bytes; returns the end.
char* putTerminalText(char* out, std::string_view text);
inline std::size_t terminalTextMost(std::string_view text) {
    return 4 * text.size();
}

}  // namespace vorlix
