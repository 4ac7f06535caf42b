#pragma once

#include <QFrame>

#include "app/pane.h"
#include "app/pane_operations.h"
#include "views/file_list_column_fit.h"
#include "views/logic/file_list_sort.h"
#include "views/view_services.h"

class QTreeView;

namespace vorlix {

class CQX2Doc;
class FileListModel;

// The file list, the third pane of the main window: the files of the disc or folder selected
// in the disc tree, with Name, Size and Type columns. It sorts by a click on a column,
// renames audio tracks in place, and opens a file from its disc.
// It registers with the document for as long as it exists.
class CQX2View : public QFrame, public Pane, public FileListPane {
    Q_OBJECT

public:
    CQX2View(CQX2Doc& document, const ViewServices& services, QWidget* parent = nullptr);
    ~CQX2View() override;

    std::string_view paneClassName() const override;
    void runCommand(PaneCommand command) override;

    void showFolder(const std::string& itemPath) override;
    void clear() override;
    void highlightEntry(const CQXFileData& entry) override;
    std::vector<CQXFileData*> selectedEntries() const override;
    void showCatalogue() override;
    void openSelectedFile() override;

    // The current disc's entry shown in the row, or null.
    CQXFileData* entryOfRow(int row) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeIconSizeFromSettings();
    void setLargeIcons(bool large);
    void sortByColumn(int section);
    void renameMarkedTrack();
    void showFileMenu(const QPoint& position);
    void addSelectedToPlaylist();
    void copySelectedToHardDisc();
    void viewAttachedCategories();
    void showDiscInformation();
    // The row at the selection mark (the current row), or -1.
    int markedRow() const;

    CQX2Doc& m_document;
    ViewServices m_services;
    FileListSortState m_sortState;
    FileListModel* m_model;
    QTreeView* m_list;
    FileListColumnFit m_columns;
};

}  // namespace vorlix
