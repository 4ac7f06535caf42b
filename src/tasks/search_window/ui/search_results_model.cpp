#include "tasks/search_window/ui/search_results_model.h"

#include <QApplication>
#include <QStyle>

#include "app/ui/qt_text.h"

namespace vorlix {

namespace {

Qt::Alignment alignmentOf(ColumnAlignment alignment) {
    switch (alignment) {
        case ColumnAlignment::Centre:
            return Qt::AlignCenter;
        case ColumnAlignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case ColumnAlignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// A disc hidden from other users shows its icon greyed.
QIcon greyed(const QIcon& icon) {
    return QIcon(icon.pixmap(16, QIcon::Disabled));
}

}  // namespace

SearchResultsModel::SearchResultsModel(QObject* parent)
    : QAbstractTableModel(parent),
      m_file(QApplication::style()->standardIcon(QStyle::SP_FileIcon)),
      m_sharedDisc(QApplication::style()->standardIcon(QStyle::SP_DriveCDIcon)),
      m_privateDisc(greyed(m_sharedDisc)) {
    m_rows.reset(true);
}

void SearchResultsModel::reset(bool files) {
    beginResetModel();
    m_rows.reset(files);
    endResetModel();
}

void SearchResultsModel::inserted(std::size_t count, const std::function<void()>& add) {
    if (count == 0) {
        return;
    }
    beginInsertRows({}, 0, static_cast<int>(count) - 1);
    add();
    endInsertRows();
}

void SearchResultsModel::addFiles(const std::vector<FileResult>& batch) {
    inserted(batch.size(), [&] { m_rows.addFiles(batch); });
}

void SearchResultsModel::addDiscs(const std::vector<DiscResult>& batch) {
    inserted(batch.size(), [&] { m_rows.addDiscs(batch); });
}

void SearchResultsModel::sortByColumn(int column) {
    Q_EMIT layoutAboutToBeChanged();
    m_rows.sortBy(static_cast<std::size_t>(column));
    Q_EMIT layoutChanged();
}

void SearchResultsModel::keepShown() {
    m_rows.keepShown();
}

void SearchResultsModel::showFiltered(std::string_view filter) {
    beginResetModel();
    m_rows.showFiltered(filter);
    endResetModel();
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SearchResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(resultColumns(m_rows.files()).size());
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return toQt(m_rows.text(row, column));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                alignmentOf(resultColumns(m_rows.files())[column].alignment));
        case Qt::DecorationRole:
            if (column != 0) {
                return {};
            }
            if (m_rows.files()) {
                return m_file;
            }
            return m_rows[row].shared ? m_sharedDisc : m_privateDisc;
        default:
            return {};
    }
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    const ResultColumn& column = resultColumns(m_rows.files())[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) {
        return toQt(column.header);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(alignmentOf(column.alignment));
    }
    return {};
}

}  // namespace vorlix
