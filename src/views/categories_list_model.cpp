#include "views/categories_list_model.h"

#include "app/ui/qt_text.h"
#include "views/logic/categories_names.h"

namespace vorlix {

CategoryListModel::CategoryListModel(QString title, QIcon icon, QObject* parent)
    : QAbstractListModel(parent), m_title(std::move(title)), m_icon(std::move(icon)) {}

void CategoryListModel::setNames(std::vector<std::string> names) {
    beginResetModel();
    m_names = sortedNames(names, m_ascending);
    endResetModel();
}

void CategoryListModel::toggleOrder() {
    m_ascending = !m_ascending;
    sortKeepingIndexes();
}

void CategoryListModel::resetOrder() {
    if (!m_ascending) {
        toggleOrder();
    }
}

void CategoryListModel::setRenameHandler(RenameHandler handler) {
    m_rename = std::move(handler);
}

int CategoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant CategoryListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return toQt(name(index.row()));
        case Qt::DecorationRole:
            return m_icon;
        default:
            return {};
    }
}

QVariant CategoryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section != 0 || orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return m_title;
}

Qt::ItemFlags CategoryListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    if (index.isValid() && m_rename) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool CategoryListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !m_rename || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return false;
    }
    const std::string oldName = name(index.row());
    const std::string newName = fromQt(value.toString());
    if (!m_rename(oldName, newName)) {
        return false;
    }
    m_names[static_cast<std::size_t>(index.row())] = newName;
    Q_EMIT dataChanged(index, index);
    sortKeepingIndexes();
    return true;
}

// A layout change rather than a reset keeps the selection on the same names.
void CategoryListModel::sortKeepingIndexes() {
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<std::size_t> order = displayOrder(m_names, m_ascending);
    std::vector<std::string> sorted;
    std::vector<int> newRow(order.size());
    sorted.reserve(order.size());
    for (std::size_t row = 0; row < order.size(); ++row) {
        sorted.push_back(std::move(m_names[order[row]]));
        newRow[order[row]] = static_cast<int>(row);
    }
    m_names = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        after.push_back(this->index(newRow[static_cast<std::size_t>(index.row())], 0));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace vorlix
