#include "views/lending_list_model.h"

#include <array>
#include <unordered_map>

#include "app/ui/qt_text.h"
#include "tasks/lending_list_sort.h"

namespace vorlix {

namespace {

constexpr int kPictureSize = 16;

constexpr std::array<const char*, 4> kHeaders = {"CD Name", "CD Number", "CD Location",
                                                 "Lent at..."};

const std::string& textOf(const LendingRow& row, int column) {
    switch (static_cast<LendingColumn>(column)) {
        case LendingColumn::Number:
            return row.number;
        case LendingColumn::Location:
            return row.location;
        case LendingColumn::LentAt:
            return row.lendDate;
        case LendingColumn::Name:
            break;
    }
    return row.name;
}

}  // namespace

LendingListModel::LendingListModel(int columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(columns), m_pictures(kPictureSize) {}

void LendingListModel::setRows(std::vector<LendingRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

bool LendingListModel::sortRows(int column, bool descending) {
    const auto sortColumn = static_cast<LendingColumn>(column);
    if (column < 0 || column >= m_columns || sortColumn == LendingColumn::LentAt) {
        return false;
    }
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::string> numbers;
    for (const QModelIndex& index : before) {
        numbers.push_back(m_rows[static_cast<std::size_t>(index.row())].number);
    }
    sortLendingRows(m_rows, sortColumn, descending);
    // Persistent indexes (the selection) follow their disc; numbers are unique in a catalogue.
    std::unordered_map<std::string, int> rowOfNumber;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        rowOfNumber.try_emplace(m_rows[row].number, static_cast<int>(row));
    }
    QModelIndexList after;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        after.push_back(
            index(rowOfNumber.at(numbers[i]), before[static_cast<qsizetype>(i)].column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return true;
}

int LendingListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int LendingListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant LendingListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const LendingRow& shown = m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        return toQt(textOf(shown, index.column()));
    }
    if (role == Qt::DecorationRole && index.column() == 0) {
        return m_pictures.of(shown.picture);
    }
    return {};
}

QVariant LendingListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_columns) {
        return {};
    }
    return QString::fromLatin1(kHeaders[static_cast<std::size_t>(section)]);
}

}  // namespace vorlix
