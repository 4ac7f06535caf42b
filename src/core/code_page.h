#pragma once

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

// Whether every byte is ASCII; faster than asciiPrefix for the short texts of a catalogue.
bool isAscii(std::string_view text);

}  // namespace vorlix
