#include "tasks/html_export/html_text.h"

#include <cstdio>

#include "core/code_page.h"

namespace vorlix {

namespace {

void appendReference(std::string& page, char32_t cp) {
    char reference[16];
    std::snprintf(reference, sizeof reference, "&#%u;", static_cast<unsigned>(cp));
    page += reference;
}

}  // namespace

void appendHtmlText(std::string& page, std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (static_cast<unsigned char>(c) >= 0x80) {
            bool valid = false;
            appendReference(page, decodeUtf8(text, pos, valid));
            continue;
        }
        switch (c) {
            case '<':
                page += "&lt;";
                break;
            case '>':
                page += "&gt;";
                break;
            case '&':
                page += "&amp;";
                break;
            case '"':
                page += "&quot;";
                break;
            case '\'':
                page += "&#39;";
                break;
            default:
                page += c;
        }
        ++pos;
    }
}

std::string htmlText(std::string_view text) {
    std::string page;
    appendHtmlText(page, text);
    return page;
}

}  // namespace vorlix
