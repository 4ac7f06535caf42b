#include "core/file_entry_texts.h"

#include "core/stored_size.h"

namespace vorlix {

namespace {

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

std::string fileSizeText(std::string_view sizeText) {
    return megabytesText(storedFileSize(sizeText)) + " MB";
}

}  // namespace vorlix
