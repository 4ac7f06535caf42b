#pragma once

#include <QFrame>
#include <QPixmap>
#include <string>
#include <vector>

#include "app/enter_target.h"
#include "app/pane.h"
#include "app/pane_operations.h"
#include "views/logic/categories_drive_rows.h"
#include "views/logic/categories_editor.h"
#include "views/logic/categories_view_commands.h"
#include "views/view_services.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QStandardItemModel;
class QTimer;

namespace vorlix {

class CQX2Doc;
class CategoriesDriveProbe;
class CategoriesPanelList;
class CategoryListModel;

// The categories panel, the rightmost pane of the main window: the catalogue's categories and
// their use on discs and files, the current disc's categories, cover, prices and notes, and
// the optical drives with what they hold.
// It registers with the document for as long as it exists.
class CCategoriesView : public QFrame, public Pane, public CategoriesPane {
    Q_OBJECT

public:
    CCategoriesView(CQX2Doc& document, const ViewServices& services, QWidget* parent = nullptr);
    ~CCategoriesView() override;

    std::string_view paneClassName() const override;
    void runCommand(PaneCommand command) override;

    void refreshForCurrentDisc() override;
    void refillAttachedCategories() override;
    void refillAllCategories() override;
    std::string takeScanDriveText() override;
    std::vector<std::string> selectedCategories() const override;
    void showCatalogue() override;
    void createCategory() override;
    void saveNotes() override;

Q_SIGNALS:
    // Sent once, at the first display, when the settings ask for the program to start in the
    // tray and no catalogue is loaded; hiding the main window is the main window's business.
    void hideToTrayRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createForm();
    QWidget* createNewCategoryBox();
    QWidget* createAllCategoriesBox();
    QWidget* createAttachedBox();
    QWidget* createCover();
    QWidget* createPriceBox();
    QWidget* createNotesBox();
    QWidget* createDriveList();

    void firstDisplay();
    void showNotes(const std::string& notes);
    void showCover(bool portrait);

    void refreshDrives();
    void showDrives(const std::vector<DriveProbe>& probes);

    void onAllCategoriesPressed();
    void onDeleteReleased();
    void onNotesEdited();
    bool contextMenuAllowed(const CategoriesPanelList& list, EnterTarget target,
                            bool needsDisc) const;
    void showAllCategoriesMenu(const QPoint& position);
    void showAttachedMenu(const QPoint& position);
    void showDriveMenu(const QPoint& position);

    void attachToDisc();
    void attachToFiles();
    void renameAtSelectionMark();
    void deleteSelected();
    void detachSelected();
    bool renameCategory(const std::string& oldName, const std::string& newName);
    void scanSelectedDrive();

    CQX2Doc& m_document;
    ViewServices m_services;
    CategoryEditor m_editor;
    CategoryViewCommands m_viewCommands;
    QPixmap m_defaultPicture;

    CategoryListModel* m_allModel = nullptr;
    CategoryListModel* m_attachedModel = nullptr;
    QStandardItemModel* m_driveModel = nullptr;
    QLineEdit* m_newCategory = nullptr;
    CategoriesPanelList* m_allList = nullptr;
    CategoriesPanelList* m_attachedList = nullptr;
    CategoriesPanelList* m_driveList = nullptr;
    QLabel* m_cover = nullptr;
    QLabel* m_newPrice = nullptr;
    QLabel* m_usedPrice = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QTimer* m_driveTimer = nullptr;
    CategoriesDriveProbe* m_driveProbe = nullptr;

    std::string m_scanDriveText;
    bool m_displayed = false;
    // Set while the panel itself puts a disc's notes into the field, which is no edit.
    bool m_showingNotes = false;
};

}  // namespace vorlix
