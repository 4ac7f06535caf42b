#include "views/logic/file_list_texts.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "core/stored_size.h"

namespace vorlix {

std::string largestFileSizeText() {
    return megabytesText(std::numeric_limits<std::uint32_t>::max()) + " MB";
}

double sizeTextValue(std::string_view sizeText) {
    const std::string_view number = sizeText.substr(0, sizeText.find(' '));
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

}  // namespace vorlix
