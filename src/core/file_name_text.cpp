#include "core/file_name_text.h"

#include <algorithm>

#include "core/code_page.h"

namespace vorlix {

namespace {

constexpr char32_t kControlPictures = U'\u2400';
constexpr char32_t kDeletePicture = U'\u2421';
constexpr char32_t kBackslashStandIn = U'\uFF3C';
constexpr unsigned char kDelete = 0x7F;

bool needsStandIn(unsigned char c) {
    return c < 0x20 || c == kDelete || c == '\\';
}

char32_t standInOf(unsigned char c) {
    if (c == kDelete) {
        return kDeletePicture;
    }
    return c == '\\' ? kBackslashStandIn : kControlPictures + c;
}

// The character a stand-in takes the place of; 0xFFFF for any other character.
char32_t replacedBy(char32_t c) {
    if (c >= kControlPictures && c < kControlPictures + 0x20) {
        return c - kControlPictures;
    }
    if (c == kDeletePicture) {
        return kDelete;
    }
    return c == kBackslashStandIn ? U'\\' : 0xFFFF;
}

// The text with each character that needs one replaced by its stand-in. Those characters are
// ASCII, so in UTF-8 each is one byte of its own.
std::string withStandIns(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (const char c : text) {
        if (needsStandIn(static_cast<unsigned char>(c))) {
            appendUtf8(standInOf(static_cast<unsigned char>(c)), out);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace

std::string_view fileNameText(std::string_view bytes, std::string& storage) {
    const bool plain = std::none_of(bytes.begin(), bytes.end(), [](char c) {
        return needsStandIn(static_cast<unsigned char>(c));
    });
    if (isWellFormedUtf8(bytes)) {
        if (plain) {
            return bytes;
        }
        storage = withStandIns(bytes);
        return storage;
    }
    storage.clear();
    Windows1252().decode(bytes, storage);
    if (!plain) {
        storage = withStandIns(storage);
    }
    return storage;
}

std::string nameWithoutStandIns(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        bool valid = true;
        const char32_t c = decodeUtf8(text, pos, valid);
        const char32_t replaced = valid ? replacedBy(c) : 0xFFFF;
        if (replaced == 0xFFFF) {
            out.append(text.substr(start, pos - start));
        } else {
            out.push_back(static_cast<char>(replaced));
        }
    }
    return out;
}

}  // namespace vorlix
