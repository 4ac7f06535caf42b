// The dump's escaping takes eight bytes at a time where it can; byte by byte, the rules are
// simple, and every length and every place of a special byte must give what they give.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "cli/json_text.h"
#include "cli/terminal_text.h"

namespace vorlix {
namespace {

std::string hex(unsigned char b) {
    static constexpr char kHex[] = "0123456789abcdef";
    return {kHex[b >> 4], kHex[b & 0x0F]};
}

std::string terminalByByte(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (b < 0x20 || b == 0x7F) {
            out += "\\x" + hex(b);
        } else if (b == 0xC2 && next >= 0x80 && next <= 0x9F) {
            out += "\\x" + hex(next);
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string jsonByByte(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += std::string("\\") + c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (b < 0x20) {
            out += "\\u00" + hex(b);
        } else {
            out.push_back(c);
        }
    }
    return out + "\"";
}

TEST(DumpTextTest, EscapesLikeTheByteByByteRulesAtEveryLengthAndPlace) {
    const std::string specials[] = {
        std::string(1, '\0'), "\x1B",     "\x7F", "\"",      "\\", "\n", "\t", "\x1F", " ", "~",
        "\xC2\x85",           "\xC2\xA0", "\xC2", "\xC3\xA9"};
    for (std::size_t length = 0; length <= 20; ++length) {
        for (std::size_t place = 0; place <= length; ++place) {
            for (const std::string& special : specials) {
                std::string text(length, 'a');
                text.insert(place, special);
                std::string terminal = "<";
                appendTerminalText(terminal, text);
                EXPECT_EQ(terminal, "<" + terminalByByte(text)) << length << " " << place;
                std::string json = "<";
                appendJsonString(json, text);
                EXPECT_EQ(json, "<" + jsonByByte(text)) << length << " " << place;
            }
        }
    }
}

// Folders hold a backslash every few bytes: after one special byte, the next is found whether
// it lies in the same eight bytes, the next eight or the tail.
TEST(DumpTextTest, EscapesSeveralSpecialBytesLikeTheByteByByteRules) {
    const std::string specials[] = {"\\", "\x01", "\xC2\x85", "\"", "\xC2"};
    for (std::size_t length = 0; length <= 20; ++length) {
        for (std::size_t first = 0; first <= length; ++first) {
            for (std::size_t second = first; second <= length; ++second) {
                for (const std::string& a : specials) {
                    for (const std::string& b : specials) {
                        std::string text(length, 'a');
                        text.insert(second, b);
                        text.insert(first, a);
                        std::string terminal;
                        appendTerminalText(terminal, text);
                        ASSERT_EQ(terminal, terminalByByte(text)) << first << " " << second;
                        std::string json;
                        appendJsonString(json, text);
                        ASSERT_EQ(json, jsonByByte(text)) << first << " " << second;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace vorlix
