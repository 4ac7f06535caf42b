#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "views/file_list_icon_provider.h"
#include "views/logic/file_list_columns.h"
#include "views/logic/file_list_row.h"
#include "views/logic/file_list_sort.h"

namespace vorlix {

// The rows of the file list. A folder may hold a hundred thousand files, so the rows arrive
// in one piece, the texts are worked out once, and icons are looked up only for the rows
// that are drawn.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit FileListModel(QObject* parent = nullptr);

    void setRows(std::vector<FileListRow> rows);
    void clear();
    // Reorders the rows; selections and other persistent indexes follow their rows.
    void sortBy(FileListColumn column, SortDirection direction);

    const std::vector<FileListRow>& rows() const { return m_rows; }
    // The row's record, or null for a row that does not exist.
    const FileListRow* row(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edited audio track name: renames the row and its entry by the track naming rules.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

Q_SIGNALS:
    // A track's entry has a new name; the catalogue has changed.
    void trackRenamed();

private:
    std::vector<FileListRow> m_rows;
    mutable FileListIconProvider m_icons;
};

}  // namespace vorlix
