#pragma once

#include <cstddef>
#include <string>

namespace vorlix::test {

// Bytes that no compressor shrinks, the same for the same seed, so that sizes and truncation
// points of archives made from them are predictable.
inline std::string noiseBytes(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 16);
    }
    return bytes;
}

}  // namespace vorlix::test
