#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/code_page.h"

// Stops the fuzzer at a broken property, so that libFuzzer keeps the input that broke it.
inline void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Texts for a writer to store, cut from the input at each zero byte. Texts in memory are UTF-8,
// so a malformed sequence becomes U+FFFD; every other character, in the code page or not, stays.
inline std::vector<std::string> textsFrom(std::string_view bytes) {
    std::vector<std::string> texts(1);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (bytes[pos] == '\0') {
            texts.emplace_back();
            ++pos;
            continue;
        }
        bool valid = true;
        vorlix::appendUtf8(vorlix::decodeUtf8(bytes, pos, valid), texts.back());
    }
    return texts;
}
