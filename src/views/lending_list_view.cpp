#include "views/lending_list_view.h"

#include <QHeaderView>
#include <algorithm>
#include <array>

#include "app/ui/qt_text.h"
#include "views/lending_list_model.h"

namespace vorlix {

namespace {

constexpr std::array<int, 4> kColumnWidths = {270, 100, 100, 150};
constexpr int kPictureSize = 16;

}  // namespace

LendingListView::LendingListView(LendingListModel* model, QWidget* parent)
    : QTreeView(parent), m_model(model) {
    setModel(model);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setIconSize(QSize(kPictureSize, kPictureSize));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView* columns = header();
    columns->setStretchLastSection(false);
    columns->setSectionsMovable(false);
    columns->setSectionsClickable(true);
    for (int column = 0; column < model->columnCount(); ++column) {
        columns->resizeSection(column, kColumnWidths[static_cast<std::size_t>(column)]);
    }
    connect(columns, &QHeaderView::sectionClicked, this, &LendingListView::sortByHeader);
    // Rows filled afresh come in catalogue order, which no arrow stands for.
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        m_sortedColumn = -1;
        header()->setSortIndicatorShown(false);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) {
            Q_EMIT discChosen(toQt(m_model->row(index.row()).number));
        }
    });
}

std::vector<std::string> LendingListView::selectedNumbers() const {
    QModelIndexList rows = selectionModel()->selectedRows();
    std::ranges::sort(rows, {}, &QModelIndex::row);
    std::vector<std::string> numbers;
    for (const QModelIndex& index : rows) {
        numbers.push_back(m_model->row(index.row()).number);
    }
    return numbers;
}

void LendingListView::sortByHeader(int column) {
    const bool descending = m_order.nextDescending(column);
    if (m_model->sortRows(column, descending)) {
        m_sortedColumn = column;
        m_sortedOrder = descending ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    // The header turned its arrow on the click already; it shows the order of the rows instead,
    // which a click on "Lent at..." leaves as it was.
    header()->setSortIndicatorShown(m_sortedColumn >= 0);
    header()->setSortIndicator(m_sortedColumn, m_sortedOrder);
}

}  // namespace vorlix
