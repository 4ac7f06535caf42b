#include "views/gap_list_model.h"

#include <algorithm>

namespace vorlix {

GapListModel::GapListModel(DiscGaps gaps, QObject* parent)
    : QAbstractTableModel(parent), m_gaps(std::move(gaps)) {}

void GapListModel::setDescending(bool descending) {
    beginResetModel();
    m_descending = descending;
    endResetModel();
}

int GapListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0
                            : static_cast<int>(std::min<std::int64_t>(m_gaps.count(), kMaxGapRows));
}

int GapListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant GapListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const std::int64_t place = m_descending ? m_gaps.count() - 1 - index.row() : index.row();
    return QString::number(m_gaps.at(place));
}

QVariant GapListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section != 0) {
        return {};
    }
    return QStringLiteral("Found gaps");
}

}  // namespace vorlix
