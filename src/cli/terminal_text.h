#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/plain_copy.h"

namespace vorlix {

// Appends a UTF-8 text for a terminal: control characters (C0, DEL and C1) are written as
// "\xHH" so that a stored text can neither fake output lines nor send the terminal escape
// sequences. Every other character is written as it is.
void appendTerminalText(std::string& out, std::string_view text);

// Whether eight bytes, taken as one number, are all printable ASCII, which goes to a terminal
// as it is. Any other byte (a control, or one of a character beyond ASCII, which is most often
// shown as it is too) takes the closer look of putEscapedTerminalText.
inline constexpr auto terminalPlainChunk = [](std::uint64_t chunk) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    // The top bit of a byte is set in the byte itself from 0x80 on, in the byte plus one for
    // 0x7F, and in the byte minus 0x20 below 0x20; a printable byte neither carries nor
    // borrows, so it never disturbs its neighbour.
    return ((chunk | (chunk + kOnes) | (chunk - 0x20 * kOnes)) & kHigh) == 0;
};

// The text for a terminal, byte by byte; for texts with a control or a byte beyond ASCII.
char* putEscapedTerminalText(char* out, std::string_view text);

// The same as appendTerminalText into a buffer with room for terminalTextMost(text) bytes;
// returns the end. Inline, as a dump writes millions of texts that need no escaping.
inline char* putTerminalText(char* out, std::string_view text) {
    if (copyIfPlain(out, text, terminalPlainChunk)) {
        return out + text.size();
    }
    return putEscapedTerminalText(out, text);
}
inline std::size_t terminalTextMost(std::string_view text) {
    return 4 * text.size();
}

}  // namespace vorlix
