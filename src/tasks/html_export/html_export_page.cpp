#include "tasks/html_export/html_export_page.h"

#include <array>
#include <utility>

#include "tasks/html_export/html_text.h"

namespace vorlix {

namespace {

struct StyleRule {
    std::string_view selector;
    std::string_view properties;  // one "name: value;" per line
};

constexpr std::string_view kFonts = "font-family: Verdana, Arial, Helvetica, sans-serif;\n";

constexpr std::array<StyleRule, 4> kRules = {{
    {".thinBorder",
     "font-size: 16px;\nfont-weight: bolder;\nfont-variant: normal;\n"
     "border: 1px solid #000000;\nbackground-color: #CFE1EF;\n"},
    {".thickBorder",
     "font-size: 14px;\nfont-weight: bold;\nborder-top: 1px none #000000;\n"
     "border-right: 1px solid #CCCCCC;\nborder-bottom: 1px dashed #CCCCCC;\n"
     "border-left: 1px none #000000;\nbackground-color: #FBFBFB;\n"},
    {".categories",
     "font-size: 12px;\nborder-top-width: 1px;\nborder-right-width: 1px;\n"
     "border-bottom-width: 1px;\nborder-left-width: 1px;\nborder-bottom-style: solid;\n"
     "border-left-style: none;\nborder-top-color: #CCCCCC;\nborder-right-color: #CCCCCC;\n"
     "border-bottom-color: #CCCCCC;\nborder-left-color: #CCCCCC;\n"
     "border-right-style: solid;\n"},
    {".attention", "font-size: 14px;\nfont-weight: bold;\nborder: 1px solid #CCCCCC;\n"},
}};

constexpr StyleRule kTitleRule = {
    ".title",
    "font-size: 16px;\nfont-weight: bolder;\nborder-top-width: 1px;\nborder-right-width: 1px;\n"
    "border-bottom-width: 1px;\nborder-left-width: 1px;\nborder-top-style: solid;\n"
    "border-right-style: solid;\nborder-bottom-style: solid;\nborder-left-style: none;\n"
    "border-top-color: #000000;\nborder-right-color: #000000;\n"
    "border-bottom-color: #000000;\nborder-left-color: #000000;\n"
    "background-color: #DFEBF4;\n"};

void appendRule(std::string& page, const StyleRule& rule) {
    page.append(rule.selector).append(" {\n").append(kFonts).append(rule.properties) += "}\n";
}

void appendSharedHead(std::string& page, HtmlExportKind kind) {
    page +=
        "</title>\n"
        "<meta http-equiv='Content-Type' content='text/html; charset=iso-8859-1'>\n"
        "<style type='text/css'>\n<!--\n";
    for (const StyleRule& rule : kRules) {
        appendRule(page, rule);
    }
    page += "-->\n</style>\n<style type='text/css'>\n<!--\n";
    appendRule(page, kTitleRule);
    page += "-->\n</style>\n</head>\n<body>\n<p class='categories'>";
    page += kind == HtmlExportKind::Database ? "Database Export: " : "Search Export: ";
    page += "<span class='attention'>&nbsp;";
}

}  // namespace

HtmlExportPage::HtmlExportPage(HtmlExportKind kind, std::string_view title, std::string_view date,
                               std::string_view countText)
    : m_kind(kind) {
    const std::string escapedTitle = htmlText(title);
    m_page = "<html>\n<head>\n<title>";
    if (kind == HtmlExportKind::Database) {
        m_page += "Database Export: ";
    } else {
        m_page.append("Search Results: ").append(countText) += " in ";
    }
    m_page += escapedTitle;
    appendSharedHead(m_page, kind);
    m_page.append(escapedTitle).append(" </span> &nbsp; ").append(date) += "</p>\n";
}

void HtmlExportPage::addBlock(std::string_view label, std::string_view name, std::string_view cells,
                              std::string_view categories) {
    m_page +=
        "<table width='99%' border='0' cellpadding='0' cellspacing='0'>\n<tr>\n"
        "<td width='17%' rowspan='3' align='left' class='thinBorder'>";
    m_page += m_kind == HtmlExportKind::Database ? "CD # " : "Match # ";
    appendHtmlText(m_page, label);
    m_page +=
        "</td>\n<td height='23' colspan='3' align='center' bordercolor='1' class='title'> "
        "&quot;";
    appendHtmlText(m_page, name);
    m_page +=
        "&quot;</td>\n</tr>\n<tr>\n<td width='21%' height='28' align='center' "
        "class='thickBorder'>";
    m_page += cells;
    m_page += "</td>\n</tr>\n<tr>\n<td colspan='3' align='center' class='categories'>";
    appendHtmlText(m_page, categories);
    m_page += "</td>\n</tr>\n<tr>\n<td height='28' colspan='4'>&nbsp;</td>\n</tr>\n</table>";
}

std::string HtmlExportPage::finish(std::string_view countText) && {
    m_page.append("<p class='categories'>Summary: &nbsp;<span class='attention'>&nbsp;")
        .append(countText);
    m_page += m_kind == HtmlExportKind::Database ? " CDs </span></p>\n</body>\n</html>"
                                                 : " </span></p>\n</body>\n</html>";
    return std::move(m_page);
}

}  // namespace vorlix
