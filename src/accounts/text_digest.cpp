#include "accounts/text_digest.h"

#include "core/code_page.h"
#include "core/md5.h"

namespace vorlix {

std::string textDigest(std::string_view text, const CodePage& codePage) {
    std::string bytes;
    if (codePage.encode(text, bytes)) {
        return md5Hex(bytes);
    }
    return md5Hex(text);
}

}  // namespace vorlix
