#include "views/logic/file_list_texts.h"

#include <charconv>

namespace vorlix {

namespace {

constexpr double kBytesPerMegabyte = 1048576.0;

bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string fileNameStem(std::string_view fileName) {
    return std::string(fileName.substr(0, fileName.rfind('.')));
}

std::string fileTypeText(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) {
        return {};
    }
    std::string type(fileName.substr(dot + 1));
    for (char& c : type) {
        c = upperAscii(c);
    }
    return type;
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

std::string fileSizeText(std::string_view sizeText) {
    char text[32];
    const double megabytes = storedFileSize(sizeText) / kBytesPerMegabyte;
    const auto end =
        std::to_chars(text, text + sizeof text, megabytes, std::chars_format::fixed, 3);
    return std::string(text, end.ptr) + " MB";
}

double sizeTextValue(std::string_view sizeText) {
    const std::string_view number = sizeText.substr(0, sizeText.find(' '));
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

}  // namespace vorlix
