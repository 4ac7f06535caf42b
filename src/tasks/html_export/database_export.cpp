#include "tasks/html_export/database_export.h"

#include <cstdio>

#include "core/catalog.h"
#include "core/stored_size.h"
#include "tasks/html_export/html_export_page.h"
#include "tasks/html_export/html_text.h"

namespace vorlix {

namespace {

std::string categoriesText(const DiscTexts& disc) {
    std::string text;
    for (std::string_view category : disc.categories()) {
        text.append(text.empty() ? "" : ", ").append(category);
    }
    return text;
}

}  // namespace

std::string exportedDiscSize(const CQXDisc& disc) {
    // Single precision, as the page has always added them: a disc of many files may differ
    // from the exact sum in the last decimal.
    float bytes = 0;
    for (const CQXFileData& entry : disc.files) {
        bytes += static_cast<float>(storedFileSize(entry.size()));
    }
    char text[64];
    std::snprintf(text, sizeof text, "%0.1f", static_cast<double>(bytes / 1048576.0f));
    return text;
}

std::string databaseExportPage(const CQXCatalog& catalogue, std::string_view title,
                               std::string_view date) {
    HtmlExportPage page(HtmlExportKind::Database, title, date, {});
    for (const auto& disc : catalogue.discs) {
        std::string cells = "Size: " + exportedDiscSize(*disc) +
                            " MB</td>\n<td width='27%' align='center' class='thickBorder'>Files: " +
                            std::to_string(disc->files.size()) +
                            "<br></td>\n<td width='35%' align='center' class='thickBorder'>"
                            "Location: ";
        appendHtmlText(cells, disc->location());
        page.addBlock(disc->number(), disc->name(), cells, categoriesText(*disc));
    }
    return std::move(page).finish(std::to_string(catalogue.discs.size()));
}

}  // namespace vorlix
