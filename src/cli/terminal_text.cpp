#include "cli/terminal_text.h"

#include <algorithm>

namespace vorlix {

namespace {

bool isControlByte(unsigned char b) {
    return b < 0x20 || b == 0x7F;
}

// C1 controls (U+0080 to U+009F) are the two bytes C2 80 to C2 9F in UTF-8.
bool startsC1Control(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]) == 0xC2 && i + 1 < text.size() &&
           static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
           static_cast<unsigned char>(text[i + 1]) <= 0x9F;
}

void appendEscaped(std::string& out, unsigned char b) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\x";
    out.push_back(kHex[b >> 4]);
    out.push_back(kHex[b & 0x0F]);
}

}  // namespace

void appendTerminalText(std::string& out, std::string_view text) {
    const bool plain = std::ranges::none_of(text, [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return isControlByte(b) || b == 0xC2;
    });
    if (plain) {
        out += text;
        return;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (isControlByte(b)) {
            appendEscaped(out, b);
        } else if (startsC1Control(text, i)) {
            appendEscaped(out, static_cast<unsigned char>(text[++i]));
        } else {
            out.push_back(text[i]);
        }
    }
}

}  // namespace vorlix
