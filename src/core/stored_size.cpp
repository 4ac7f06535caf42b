#include "core/stored_size.h"

#include <charconv>

namespace vorlix {

namespace {

constexpr double kBytesPerMegabyte = 1048576.0;

bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::string storedSizeText(std::uint64_t bytes) {
    char text[16];
    const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes));
    const auto end = std::to_chars(text, text + sizeof text, low).ptr;
    return std::string(text, end);
}

std::uint32_t storedFileSize(std::string_view sizeText) {
    std::size_t i = 0;
    while (i < sizeText.size() && isBlank(sizeText[i])) {
        ++i;
    }
    bool negative = false;
    if (i < sizeText.size() && (sizeText[i] == '+' || sizeText[i] == '-')) {
        negative = sizeText[i] == '-';
        ++i;
    }
    // Unsigned arithmetic wraps modulo 2^32, which is exactly the reinterpretation wanted.
    std::uint32_t value = 0;
    for (; i < sizeText.size() && sizeText[i] >= '0' && sizeText[i] <= '9'; ++i) {
        value = value * 10u + static_cast<std::uint32_t>(sizeText[i] - '0');
    }
    return negative ? 0u - value : value;
}

std::string megabytesText(double bytes) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, bytes / kBytesPerMegabyte,
                                   std::chars_format::fixed, 3);
    return std::string(text, end.ptr);
}

}  // namespace vorlix
