#pragma once

#include <QTreeView>
#include <string>
#include <vector>

#include "tasks/lending_list_sort.h"

namespace vorlix {

class LendingListModel;

// The list of a lending list dialog: fixed column widths, a header whose clicks sort each
// column descending first and then alternately, and a double click that chooses a disc.
class LendingListView : public QTreeView {
    Q_OBJECT

public:
    LendingListView(LendingListModel* model, QWidget* parent = nullptr);

    // The numbers of the selected rows, in row order.
    std::vector<std::string> selectedNumbers() const;

Q_SIGNALS:
    void discChosen(const QString& number);

private:
    void sortByHeader(int column);

    LendingListModel* m_model;
    AlternatingSortOrder m_order;
    int m_sortedColumn = -1;
    Qt::SortOrder m_sortedOrder = Qt::AscendingOrder;
};

}  // namespace vorlix
