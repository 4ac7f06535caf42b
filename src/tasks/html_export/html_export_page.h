#pragma once

#include <string>
#include <string_view>

namespace vorlix {

enum class HtmlExportKind { Database, Search };

// One of the two export pages as it is written: the head with its style sheet, one bordered
// table per disc or result, and the summary line. Catalogue texts handed in are escaped here;
// the cells are markup the exports put together from escaped texts.
class HtmlExportPage {
public:
    // countText is only written by the search export, in its title.
    HtmlExportPage(HtmlExportKind kind, std::string_view title, std::string_view date,
                   std::string_view countText);

    // A block labelled "CD # " or "Match # " and the label, with the name in its title row,
    // the cells in the row below and the categories text in the last row.
    void addBlock(std::string_view label, std::string_view name, std::string_view cells,
                  std::string_view categories);
    // The summary line with the count text; the page is complete after it.
    std::string finish(std::string_view countText) &&;

private:
    HtmlExportKind m_kind;
    std::string m_page;
};

}  // namespace vorlix
