#include "cli/terminal_text.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace vorlix {

namespace {

// Bytes that need a closer look: C0 controls, DEL, and C2, which starts the C1 controls
// (U+0080 to U+009F are the two bytes C2 80 to C2 9F in UTF-8).
constexpr std::array<bool, 256> kCareful = [] {
    std::array<bool, 256> careful{};
    for (int b = 0; b < 0x20; ++b) {
        careful[b] = true;
    }
    careful[0x7F] = true;
    careful[0xC2] = true;
    return careful;
}();

char* putEscaped(char* out, unsigned char b) {
    static constexpr char kHex[] = "0123456789abcdef";
    *out++ = '\\';
    *out++ = 'x';
    *out++ = kHex[b >> 4];
    *out++ = kHex[b & 0x0F];
    return out;
}

}  // namespace

char* putEscapedTerminalText(char* out, std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const char* run = p;
        while (p < end && !kCareful[static_cast<unsigned char>(*p)]) {
            ++p;
        }
        std::memcpy(out, run, static_cast<std::size_t>(p - run));
        out += p - run;
        if (p == end) {
            break;
        }
        const auto b = static_cast<unsigned char>(*p++);
        if (b != 0xC2) {
            out = putEscaped(out, b);
        } else if (p < end && static_cast<unsigned char>(*p) >= 0x80 &&
                   static_cast<unsigned char>(*p) <= 0x9F) {
            out = putEscaped(out, static_cast<unsigned char>(*p++));
        } else {
            *out++ = static_cast<char>(b);
        }
    }
    return out;
}

void appendTerminalText(std::string& out, std::string_view text) {
    const std::size_t before = out.size();
    out.resize(before + terminalTextMost(text));
    char* end = putTerminalText(out.data() + before, text);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace vorlix
