#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "core/plain_copy.h"

namespace vorlix::packed_text {

// Texts kept back to back in memory, each as its length in 7-bit groups (low group first, the
// top bit set on all but the last) followed by its bytes. A short text costs one byte more
// than its length, an empty one a single byte.

inline std::size_t lengthSize(std::size_t length) {
    std::size_t bytes = 1;
    while (length >= 0x80) {
        length >>= 7;
        ++bytes;
    }
    return bytes;
}

inline std::size_t storedSize(std::string_view text) {
    return lengthSize(text.size()) + text.size();
}

// Writes the text at out; returns the byte after it.
inline char* put(char* out, std::string_view text) {
    std::size_t length = text.size();
    while (length >= 0x80) {
        *out++ = static_cast<char>(0x80 | (length & 0x7F));
        length >>= 7;
    }
    *out++ = static_cast<char>(length);
    copyIfPlain(out, text, [](std::uint64_t) { return true; });
    return out + text.size();
}

inline void append(std::string& out, std::string_view text) {
    std::size_t length = text.size();
    while (length >= 0x80) {
        out.push_back(static_cast<char>(0x80 | (length & 0x7F)));
        length >>= 7;
    }
    out.push_back(static_cast<char>(length));
    out.append(text);
}

// Reads the text at p and moves p past it.
inline std::string_view take(const char*& p) {
    std::size_t length = static_cast<unsigned char>(*p++);
    if (length >= 0x80) {
        length &= 0x7F;
        int shift = 7;
        while (true) {
            const auto byte = static_cast<unsigned char>(*p++);
            length |= std::size_t{byte & 0x7Fu} << shift;
            if ((byte & 0x80) == 0) {
                break;
            }
            shift += 7;
        }
    }
    const std::string_view text(p, length);
    p += length;
    return text;
}

}  // namespace vorlix::packed_text
