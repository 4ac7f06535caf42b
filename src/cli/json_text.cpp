#include "cli/json_text.h"

#include <array>
#include <bit>
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

char* putLongJsonString(char* out, std::string_view text) {
    *out++ = '"';
    const char* p = text.data();
    const char* const end = p + text.size();
    // Eight bytes at a time, each eight written whole since the room allows it; the output goes
    // on after the plain ones. Folders are full of backslashes, so escapes are common.
    while (end - p >= 8) {
        std::uint64_t chunk = 0;
        std::memcpy(&chunk, p, 8);
        std::memcpy(out, &chunk, 8);
        const std::uint64_t escaped = jsonEscapedBytes(chunk);
        if (escaped == 0) {
            p += 8;
            out += 8;
            continue;
        }
        const int plain = std::countr_zero(escaped) / 8;
        p += plain;
        out = putEscape(out + plain, *p++);
    }
    // The tail: the last eight bytes of the text, moved down past those already written.
    while (p < end) {
        const auto left = static_cast<int>(end - p);
        std::uint64_t chunk = 0;
        std::memcpy(&chunk, end - 8, 8);
        chunk >>= 8 * (8 - left);
        std::memcpy(out, &chunk, 8);
        const std::uint64_t escaped =
            jsonEscapedBytes(chunk) & (~std::uint64_t{0} >> 8 * (8 - left));
        if (escaped == 0) {
            out += left;
            break;
        }
        const int plain = std::countr_zero(escaped) / 8;
        p += plain;
        out = putEscape(out + plain, *p++);
    }
    *out++ = '"';
    return out;
}

char* putEscapedJsonString(char* out, std::string_view text) {
    *out++ = '"';
    for (const char c : text) {
        if (kEscaped[static_cast<unsigned char>(c)]) {
            out = putEscape(out, c);
        } else {
            *out++ = c;
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
