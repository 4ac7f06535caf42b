#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "tasks/lending_lists.h"
#include "views/lending_pictures.h"

namespace vorlix {

// The rows of a lending list: the name with the row's picture, the number, and for the
// non-available list the location and the lend date.
class LendingListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // columns: 2 for name and number, 4 for location and lend date too.
    LendingListModel(int columns, QObject* parent = nullptr);

    void setRows(std::vector<LendingRow> rows);
    const LendingRow& row(int index) const { return m_rows.at(static_cast<std::size_t>(index)); }
    // Sorts by the column; false for a column that does not sort.
    bool sortRows(int column, bool descending);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    int m_columns;
    LendingPictures m_pictures;
    std::vector<LendingRow> m_rows;
};

}  // namespace vorlix
