#include "core/code_page.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace vorlix {

namespace {

// Characters of the bytes 0x80..0x9F; the rest of the upper half equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

bool encodeCp1252(char32_t cp, char& byte) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        byte = static_cast<char>(cp);
        return true;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

}  // namespace

std::size_t asciiPrefix(std::string_view text) {
    // Eight bytes at a time: catalogue texts are mostly plain ASCII.
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t chunk = 0;
        std::memcpy(&chunk, text.data() + i, 8);
        if ((chunk & 0x8080808080808080ULL) != 0) {
            break;
        }
    }
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) {
        ++i;
    }
    return i;
}

bool isWellFormedUtf8(std::string_view bytes) {
    std::size_t pos = asciiPrefix(bytes);
    while (pos < bytes.size()) {
        bool valid = true;
        decodeUtf8(bytes, pos, valid);
        if (!valid) {
            return false;
        }
    }
    return true;
}

void appendUtf8(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char32_t decodeUtf8(std::string_view text, std::size_t& pos, bool& valid) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    valid = true;
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        valid = false;
        ++pos;
        return kReplacement;
    }
    if (pos + extra >= text.size()) {
        valid = false;
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto c = static_cast<unsigned char>(text[pos + i]);
        if ((c & 0xC0) != 0x80) {
            valid = false;
            ++pos;
            return kReplacement;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        valid = false;
        ++pos;
        return kReplacement;
    }
    pos += extra + 1;
    return cp;
}

void Windows1252::decode(std::string_view bytes, std::string& out) const {
    const std::size_t ascii = asciiPrefix(bytes);
    out.append(bytes.substr(0, ascii));
    for (std::size_t i = ascii; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
        } else if (b < 0xA0) {
            appendUtf8(kHighControls[b - 0x80], out);
        } else {
            appendUtf8(b, out);
        }
    }
}

bool Windows1252::encode(std::string_view utf8, std::string& out) const {
    const std::size_t ascii = asciiPrefix(utf8);
    out.append(utf8.substr(0, ascii));
    std::size_t pos = ascii;
    while (pos < utf8.size()) {
        bool valid = true;
        const char32_t cp = decodeUtf8(utf8, pos, valid);
        char byte = 0;
        if (!valid || !encodeCp1252(cp, byte)) {
            return false;
        }
        out.push_back(byte);
    }
    return true;
}

void appendUtf8FromUtf16le(std::string_view utf16le, std::string& out) {
    const std::size_t units = utf16le.size() / 2;
    auto unitAt = [&](std::size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(utf16le[2 * i]) |
                                     (static_cast<unsigned char>(utf16le[2 * i + 1]) << 8));
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t u = unitAt(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char16_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00), out);
                ++i;
                continue;
            }
        }
        appendUtf8((u >= 0xD800 && u <= 0xDFFF) ? kReplacement : char32_t(u), out);
    }
}

std::string utf16leFromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    auto put = [&out](char32_t unit) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>((unit >> 8) & 0xFF));
    };
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        bool valid = true;
        const char32_t cp = decodeUtf8(utf8, pos, valid);
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

}  // namespace vorlix
