#include "platform/disc/joliet_text.h"

#include "core/code_page.h"

namespace vorlix {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

void appendJolietText(std::string_view ucs2be, std::string& out) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(ucs2be.data());
    const std::size_t units = ucs2be.size() / 2;
    const auto unitAt = [bytes](std::size_t i) {
        return static_cast<char32_t>(bytes[2 * i] << 8 | bytes[2 * i + 1]);
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit < 0x80) {
            out.push_back(static_cast<char>(unit));
        } else if (isHighSurrogate(unit) && i + 1 < units && isLowSurrogate(unitAt(i + 1))) {
            appendUtf8(0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00), out);
            ++i;
        } else {
            appendUtf8(isHighSurrogate(unit) || isLowSurrogate(unit) ? kReplacement : unit, out);
        }
    }
}

}  // namespace vorlix
