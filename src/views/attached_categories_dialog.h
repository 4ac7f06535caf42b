#pragma once

#include <QDialog>

namespace vorlix {

class CQXFileData;
class CategoriesPanelList;
class CategoryListModel;

// "List of Attached Categories": the categories of one file entry, where the user can remove
// some. Removing changes the entry at once; like the other changes of this dialog's kind it
// leaves the document's modified flag alone.
class CDialogAttachedCategories : public QDialog {
    Q_OBJECT

public:
    CDialogAttachedCategories(CQXFileData& entry, QWidget* parent = nullptr);

private:
    void refill();
    void showMenu(const QPoint& position);

    CQXFileData& m_entry;
    CategoryListModel* m_model = nullptr;
    CategoriesPanelList* m_list = nullptr;
};

}  // namespace vorlix
