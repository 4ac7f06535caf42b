#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/plain_copy.h"

namespace vorlix {

// Appends a UTF-8 text as a JSON string literal, quotes included.
void appendJsonString(std::string& out, std::string_view text);

// The bytes of eight, taken as one number, that a JSON string must escape (a quote, a
// backslash, a C0 control), each marked by its top bit. Bytes after the first marked one may be
// marked without need, the first marked one never is.
constexpr std::uint64_t jsonEscapedBytes(std::uint64_t chunk) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    auto zeroBytes = [](std::uint64_t x) { return (x - kOnes) & ~x & kHigh; };
    const std::uint64_t below20 = (chunk - 0x20 * kOnes) & ~chunk & kHigh;
    return below20 | zeroBytes(chunk ^ ('"' * kOnes)) | zeroBytes(chunk ^ ('\\' * kOnes));
}

// Whether eight bytes hold none that a JSON string must escape.
inline constexpr auto jsonPlainChunk = [](std::uint64_t chunk) {
    return jsonEscapedBytes(chunk) == 0;
};

// The string literal of a text of eight bytes or more, taken eight bytes at a time.
char* putLongJsonString(char* out, std::string_view text);
// The string literal escaped byte by byte; for short texts that have something to escape.
char* putEscapedJsonString(char* out, std::string_view text);

// The same as appendJsonString into a buffer with room for jsonStringMost(text) bytes; returns
// the end. Inline, as a dump writes millions of texts, most of them short and plain.
inline char* putJsonString(char* out, std::string_view text) {
    if (text.size() >= 8) {
        return putLongJsonString(out, text);
    }
    if (copyIfPlain(out + 1, text, jsonPlainChunk)) {
        out[0] = '"';
        out[1 + text.size()] = '"';
        return out + text.size() + 2;
    }
    return putEscapedJsonString(out, text);
}
// Six bytes for an escaped byte, the quotes, and room for writing eight bytes at a time.
inline std::size_t jsonStringMost(std::string_view text) {
    return 6 * text.size() + 2 + 8;
}

}  // namespace vorlix
