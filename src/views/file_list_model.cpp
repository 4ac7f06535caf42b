#include "views/file_list_model.h"

#include "app/ui/qt_text.h"
#include "views/logic/file_list_track_rename.h"

namespace vorlix {

namespace {

bool isColumn(const QModelIndex& index, FileListColumn column) {
    return index.column() == static_cast<int>(column);
}

Qt::Alignment columnAlignment(int column) {
    return column == static_cast<int>(FileListColumn::Name) ? Qt::AlignLeft | Qt::AlignVCenter
                                                            : Qt::AlignRight | Qt::AlignVCenter;
}

}  // namespace

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

void FileListModel::setRows(std::vector<FileListRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void FileListModel::clear() {
    setRows({});
}

void FileListModel::sortBy(FileListColumn column, SortDirection direction) {
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<std::size_t> order = sortedRowOrder(m_rows, column, direction);
    std::vector<FileListRow> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> newRow(m_rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(m_rows[order[i]]));
        newRow[order[i]] = static_cast<int>(i);
    }
    m_rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        after.append(index(newRow[static_cast<std::size_t>(old.row())], old.column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

const FileListRow* FileListModel::row(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
        return nullptr;
    }
    return &m_rows[static_cast<std::size_t>(row)];
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kFileListColumnCount);
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    const FileListRow* shown = index.isValid() ? row(index.row()) : nullptr;
    if (shown == nullptr) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            switch (static_cast<FileListColumn>(index.column())) {
                case FileListColumn::Name:
                    return toQt(shown->name);
                case FileListColumn::Size:
                    return toQt(shown->size);
                case FileListColumn::Type:
                    return toQt(shown->type);
            }
            return {};
        case Qt::DecorationRole:
            if (isColumn(index, FileListColumn::Name)) {
                return m_icons.icon(shown->typeKey);
            }
            return {};
        case Qt::TextAlignmentRole:
            return static_cast<int>(columnAlignment(index.column()));
        default:
            return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(kFileListColumnCount)) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        static const QString kTitles[] = {QStringLiteral("Name"), QStringLiteral("Size"),
                                          QStringLiteral("Type")};
        return kTitles[section];
    }
    if (role == Qt::TextAlignmentRole) {
        return static_cast<int>(columnAlignment(section));
    }
    return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const FileListRow* shown = index.isValid() ? row(index.row()) : nullptr;
    if (shown != nullptr && isColumn(index, FileListColumn::Name) && isAudioTrackRow(*shown)) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool FileListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    if (!renameTrackRow(m_rows[static_cast<std::size_t>(index.row())], fromQt(value.toString()))) {
        return false;
    }
    Q_EMIT dataChanged(index, index);
    Q_EMIT trackRenamed();
    return true;
}

}  // namespace vorlix
