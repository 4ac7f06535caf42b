#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// Appends a UTF-8 text for a terminal: control characters (C0, DEL and C1) are written as
// "\xHH" so that a stored text can neither fake output lines nor send the terminal escape
// sequences. Every other character is written as it is.
void appendTerminalText(std::string& out, std::string_view text);

}  // namespace vorlix
