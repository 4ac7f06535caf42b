#pragma once

#include <vector>

#include "views/logic/file_list_columns.h"

class QString;
class QTreeView;

namespace vorlix {

// Fits the file list's columns to what they show in the list's font and style: Size and Type
// get the room of their widest text and of their header with its sort arrow, and never less
// than the least widths for the screen; Name takes what the pane leaves, so that a narrower
// view (a vertical scroll bar appearing, say) narrows only the names.
class FileListColumnFit {
public:
    FileListColumnFit(QTreeView& list, FileListLeastWidths least);

    // Sets every column; the Size column fits the largest size a file can have.
    void fitColumns();
    // The Type column for the rows now shown.
    void fitTypeColumn(const std::vector<FileListRow>& rows);

private:
    int cellWidth(const QString& text) const;
    int headerWidth(FileListColumn column) const;

    QTreeView& m_list;
    FileListLeastWidths m_least;
};

}  // namespace vorlix
