#include "core/file_name_text.h"

#include "core/code_page.h"

namespace vorlix {

std::string_view fileNameText(std::string_view bytes, std::string& storage) {
    if (isWellFormedUtf8(bytes)) {
        return bytes;
    }
    storage.clear();
    Windows1252().decode(bytes, storage);
    return storage;
}

}  // namespace vorlix
