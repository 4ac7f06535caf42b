#pragma once

#include <QFrame>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/pane.h"
#include "app/pane_operations.h"
#include "views/view_services.h"

class QMenu;
class QModelIndex;

namespace vorlix {

class CDialogCdInfo;
class RequestPacer;
class CQX2Doc;
class DiscTreeModel;
class DiscTreeWidget;

inline constexpr std::string_view kDeleteDiscQuestion = "Do you really want to delete CD ";
inline constexpr std::string_view kClickDiscMessage = "Please, click on the CD Icon.";

// The disc tree, the second pane of the main window: every disc of the catalogue the user may
// see, with its folders. Selecting an item makes its disc the current disc and shows the
// item's folder in the file list; the pane also renames, renumbers, shares and deletes discs.
// The lending and disc-number commands of the menu pass through it to their operations.
// It registers with the document for as long as it exists.
class CLeftView : public QFrame, public Pane, public DiscTreePane {
    Q_OBJECT

public:
    CLeftView(CQX2Doc& document, const ViewServices& services, QWidget* parent = nullptr);
    ~CLeftView() override;

    std::string_view paneClassName() const override;
    void runCommand(PaneCommand command) override;

    void fill() override;
    void selectFirstDisc() override;
    void addDiscItem(const CQXDisc& disc) override;
    bool selectDisc(const std::string& number) override;
    void collapseDisc(const std::string& number) override;
    std::string selectedItemPath() const override;
    void renameDisc(const std::string& newNumber, const std::string& newName) override;
    void rebuildByCategories() override;
    void locateFile(const CQXFileData& entry) override;
    ShareResult shareSelectedDisc(bool shared) override;
    void deleteDisc() override;
    void showDiscInformation() override;

    // The disc item whose number is that text, else the first disc item; invalid when empty.
    QModelIndex findDiscItem(std::string_view number) const;
    // The texts from the disc item down to the item, joined with "\".
    std::string itemPath(const QModelIndex& index) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showDiscs(const std::vector<std::string>& categoryFilter);
    // No disc is current: the panes empty their disc's fields and files.
    void showNoDisc();
    void applyIconSize(bool large);
    void onSelectionChanged();
    void onLabelEditEnded(const QModelIndex& index, const QString& text);
    void onRightButtonPressed(const QPoint& position);
    void onRightButtonReleased(const QPoint& globalPosition);
    QMenu* contextMenu();
    void startRename();
    void setBlankCover();
    void resetMediaTag();
    void searchCover();
    void fillInformation();
    void addBlankDisc();

    QModelIndex selectedIndex() const;
    QModelIndex exactDiscItem(std::string_view number) const;
    // Selects the disc item of the selection, collapsing each folder on the way up when asked.
    QModelIndex selectDiscOfSelection(bool collapse);
    void select(const QModelIndex& index);
    void moveRenumberedItem(int row, const std::string& number, const std::string& predecessor);

    CQX2Doc& m_document;
    ViewServices m_services;
    DiscTreeModel* m_model;
    DiscTreeWidget* m_tree;
    QMenu* m_menu = nullptr;
    // Created hidden when the tree is first shown; showing a disc refills it.
    CDialogCdInfo* m_infoWindow = nullptr;
    // Shared by the cover searches, which may ask MusicBrainz once a second at most.
    std::shared_ptr<RequestPacer> m_musicBrainzPacer;
    bool m_refilling = false;
};

}  // namespace vorlix
