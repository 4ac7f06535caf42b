#include "cli/json_text.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace vorlix {

namespace {

// Bytes a JSON string cannot hold as they are: the quote, the backslash and the C0 controls.
constexpr std::array<bool, 256> kEscaped = [] {
    std::array<bool, 256> escaped{};
    for (int b = 0; b < 0x20; ++b) {
        escaped[b] = true;
    }
    escaped['"'] = true;
    escaped['\\'] = true;
    return escaped;
}();

char* putEscape(char* out, char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    *out++ = '\\';
    switch (c) {
        case '"':
        case '\\':
            *out++ = c;
            break;
        case '\n':
            *out++ = 'n';
            break;
        case '\r':
            *out++ = 'r';
            break;
        case '\t':
            *out++ = 't';
            break;
        default: {
            const auto b = static_cast<unsigned char>(c);
            std::memcpy(out, "u00", 3);
            out[3] = kHex[b >> 4];
            out[4] = kHex[b & 0x0F];
            out += 5;
        }
    }
    return out;
}

}  // namespace

char* putEscapedJsonString(char* out, std::string_view text) {
    *out++ = '"';
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const char* run = p;
        while (p < end && !kEscaped[static_cast<unsigned char>(*p)]) {
            ++p;
        }
        std::memcpy(out, run, static_cast<std::size_t>(p - run));
        out += p - run;
        if (p < end) {
            out = putEscape(out, *p++);
        }
    }
    *out++ = '"';
    return out;
}

void appendJsonString(std::string& out, std::string_view text) {
    const std::size_t before = out.size();
    out.resize(before + jsonStringMost(text));
    char* end = putJsonString(out.data() + before, text);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace vorlix
