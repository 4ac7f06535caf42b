#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace vorlix {

// The single-byte Windows code page that catalogue files store their texts in. In memory every
// text is UTF-8; the archive converts at the file boundary.
class CodePage {
public:
    virtual ~CodePage() = default;

    // Appends the UTF-8 form of code page bytes to out. Every byte maps to a character.
    virtual void decode(std::string_view bytes, std::string& out) const = 0;

    // Appends the code page form of a UTF-8 text to out. Returns false, leaving out in an
    // unspecified state, when a character has no code page byte or the UTF-8 is malformed.
    virtual bool encode(std::string_view utf8, std::string& out) const = 0;
};

// Windows-1252, the default catalogue code page. Its five unassigned bytes map to the C1 control
// characters of the same value, so any byte sequence survives a decode/encode round trip.
class Windows1252 final : public CodePage {
public:
    void decode(std::string_view bytes, std::string& out) const override;
    bool encode(std::string_view utf8, std::string& out) const override;
};

// UTF-16LE bytes to UTF-8; unpaired surrogates become U+FFFD.
void appendUtf8FromUtf16le(std::string_view utf16le, std::string& out);

// UTF-8 to UTF-16LE bytes; malformed sequences become U+FFFD.
std::string utf16leFromUtf8(std::string_view utf8);

// Decodes one UTF-8 sequence at text[pos]; returns the code point and advances pos, or returns
// U+FFFD and advances one byte for a malformed sequence. Sets valid accordingly.
char32_t decodeUtf8(std::string_view text, std::size_t& pos, bool& valid);

void appendUtf8(char32_t cp, std::string& out);

// Length of the leading run of ASCII bytes.
std::size_t asciiPrefix(std::string_view text);

// Whether the bytes are UTF-8 without a malformed sequence.
bool isWellFormedUtf8(std::string_view bytes);

// Whether every byte is ASCII; faster than asciiPrefix for the short texts of a catalogue, and
// inline, as the reader and writer ask it for millions of them.
inline bool isAscii(std::string_view text) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    const std::size_t n = text.size();
    if (n < 8) {
        unsigned char any = 0;
        for (char c : text) {
            any |= static_cast<unsigned char>(c);
        }
        return any < 0x80;
    }
    std::uint64_t any = 0;
    std::uint64_t chunk = 0;
    for (std::size_t i = 0; i + 8 <= n; i += 8) {
        std::memcpy(&chunk, text.data() + i, 8);
        any |= chunk;
    }
    // The last eight bytes, overlapping what was read, cover the tail.
    std::memcpy(&chunk, text.data() + n - 8, 8);
    return ((any | chunk) & kHighBits) == 0;
}

}  // namespace vorlix
