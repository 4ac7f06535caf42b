#include "views/file_list_column_fit.h"

#include <QHeaderView>
#include <QStyleOptionViewItem>
#include <QTreeView>
#include <algorithm>

#include "app/ui/qt_text.h"
#include "views/logic/file_list_texts.h"

namespace vorlix {

namespace {

int section(FileListColumn column) {
    return static_cast<int>(column);
}

// The text with each digit replaced by the font's widest: digits need not be equally wide, and
// a column that fits this fits every number of as many digits.
QString withWidestDigits(const QString& text, const QFontMetrics& metrics) {
    QChar widest = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest)) {
            widest = QLatin1Char(digit);
        }
    }
    QString result = text;
    for (QChar& c : result) {
        if (c.isDigit()) {
            c = widest;
        }
    }
    return result;
}

}  // namespace

FileListColumnFit::FileListColumnFit(QTreeView& list, FileListLeastWidths least)
    : m_list(list), m_least(least) {}

void FileListColumnFit::fitColumns() {
    QHeaderView* header = m_list.header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(section(FileListColumn::Name), QHeaderView::Stretch);
    header->setSectionResizeMode(section(FileListColumn::Size), QHeaderView::Fixed);
    header->setSectionResizeMode(section(FileListColumn::Type), QHeaderView::Fixed);
    header->resizeSection(
        section(FileListColumn::Size),
        std::max({m_least.size, headerWidth(FileListColumn::Size),
                  cellWidth(withWidestDigits(toQt(largestFileSizeText()), m_list.fontMetrics()))}));
    fitTypeColumn({});
}

void FileListColumnFit::fitTypeColumn(const std::vector<FileListRow>& rows) {
    int width = std::max(m_least.type, headerWidth(FileListColumn::Type));
    for (const std::string& type : distinctTypes(rows)) {
        width = std::max(width, cellWidth(toQt(type)));
    }
    m_list.header()->resizeSection(section(FileListColumn::Type), width);
}

// As wide as the view's style draws a cell holding only that text.
int FileListColumnFit::cellWidth(const QString& text) const {
    QStyleOptionViewItem option;
    option.initFrom(&m_list);
    option.font = m_list.font();
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = text;
    option.displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    return m_list.style()
        ->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), &m_list)
        .width();
}

// The header's own measure includes the room for the sort arrow, whichever column shows it.
int FileListColumnFit::headerWidth(FileListColumn column) const {
    return m_list.header()->sectionSizeHint(section(column));
}

}  // namespace vorlix
