#include "core/file_name_text.h"

#include "core/code_page.h"

namespace vorlix {

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

std::string_view fileNameText(std::string_view bytes, std::string& storage) {
    if (isWellFormedUtf8(bytes)) {
        return bytes;
    }
    storage.clear();
    Windows1252().decode(bytes, storage);
    return storage;
}

}  // namespace vorlix
