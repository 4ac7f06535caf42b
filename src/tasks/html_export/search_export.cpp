#include "tasks/html_export/search_export.h"

#include "tasks/html_export/html_export_page.h"
#include "tasks/html_export/html_text.h"

namespace vorlix {

namespace {

constexpr std::string_view kSecondCell =
    "</td>\n<td width='27%' align='center' class='thickBorder'>";
constexpr std::string_view kThirdCell =
    "</td>\n<td width='35%' align='center' class='thickBorder'>&nbsp;";

std::string fileCells(const SearchExportRow& row) {
    std::string cells = "Size: ";
    appendHtmlText(cells, row.sizeText);
    cells.append(kSecondCell).append("Type: ");
    appendHtmlText(cells, row.type);
    return cells.append(kThirdCell);
}

std::string discCells(const SearchExportRow& row) {
    std::string cells = "&nbsp;";
    cells.append(kSecondCell).append("Location: ");
    appendHtmlText(cells, row.location);
    return cells.append(" ").append(kThirdCell);
}

}  // namespace

std::string searchExportCountText(std::size_t rows, bool discs) {
    return std::to_string(rows) + (discs ? " CDs" : " Files");
}

std::string searchExportPage(const std::vector<SearchExportRow>& rows, bool discs,
                             std::string_view title, std::string_view date) {
    const std::string count = searchExportCountText(rows.size(), discs);
    HtmlExportPage page(HtmlExportKind::Search, title, date, count);
    std::size_t position = 0;
    for (const SearchExportRow& row : rows) {
        page.addBlock(std::to_string(++position), row.name, discs ? discCells(row) : fileCells(row),
                      {});
    }
    return std::move(page).finish(count);
}

}  // namespace vorlix
