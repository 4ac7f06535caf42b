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

// The string literal escaped byte by byte; for texts that have something to escape.
char* putEscapedJsonString(char* out, std::string_view text);

// The same as appendJsonString into a buffer with room for jsonStringMost(text) bytes; returns
// the end. Inline, as a dump writes millions of texts that need no escaping.
inline char* putJsonString(char* out, std::string_view text) {
    if (copyIfPlain(out + 1, text, jsonPlainChunk)) {
        out[0] = '"';
        out[1 + text.size()] = '"';
        return out + text.size() + 2;
    }
    return putEscapedJsonString(out, text);
}
inline std::size_t jsonStringMost(std::string_view text) {
    return 6 * text.size() + 2;
}

}  // namespace vorlix
