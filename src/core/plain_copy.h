#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace vorlix {

// Copies a text when every byte of it may go as it is, which a test of eight bytes at a time
// tells: `plain` takes eight bytes as one number. Returns false, having written nothing past
// out + text.size(), when some byte may not. Files and dumps copy millions of short texts, for
// which a call to memcpy and a separate test cost more than the copy.
template <typename Plain>
bool copyIfPlain(char* out, std::string_view text, Plain plain) {
    const char* in = text.data();
    const std::size_t n = text.size();
    if (n >= 8) {
        std::uint64_t chunk = 0;
        for (std::size_t i = 0; i + 8 <= n; i += 8) {
            std::memcpy(&chunk, in + i, 8);
            if (!plain(chunk)) {
                return false;
            }
            std::memcpy(out + i, &chunk, 8);
        }
        // The last eight bytes, overlapping what was copied, cover the tail.
        std::memcpy(&chunk, in + n - 8, 8);
        if (!plain(chunk)) {
            return false;
        }
        std::memcpy(out + n - 8, &chunk, 8);
        return true;
    }
    // Shorter texts as two overlapping halves, each repeated to fill the eight bytes tested.
    if (n >= 4) {
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        std::memcpy(&low, in, 4);
        std::memcpy(&high, in + n - 4, 4);
        if (!plain(low | (std::uint64_t{high} << 32))) {
            return false;
        }
        std::memcpy(out, &low, 4);
        std::memcpy(out + n - 4, &high, 4);
        return true;
    }
    if (n >= 2) {
        std::uint16_t low = 0;
        std::uint16_t high = 0;
        std::memcpy(&low, in, 2);
        std::memcpy(&high, in + n - 2, 2);
        const std::uint64_t pair = low | (std::uint32_t{high} << 16);
        if (!plain(pair | (pair << 32))) {
            return false;
        }
        std::memcpy(out, &low, 2);
        std::memcpy(out + n - 2, &high, 2);
        return true;
    }
    if (n == 1) {
        if (!plain(0x0101010101010101ULL * static_cast<unsigned char>(in[0]))) {
            return false;
        }
        out[0] = in[0];
    }
    return true;
}

// Eight bytes of plain ASCII, which the catalogue's code page stores as they are. A lambda,
// so that copyIfPlain takes its test inline.
inline constexpr auto asciiChunk = [](std::uint64_t chunk) {
    return (chunk & 0x8080808080808080ULL) == 0;
};

}  // namespace vorlix
