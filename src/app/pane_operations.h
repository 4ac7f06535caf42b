#pragma once

#include <string>
#include <vector>

#include "app/search_query.h"

namespace vorlix {

class CQX2Doc;
class CQXDisc;
class CQXFileData;
enum class ShareResult;

// What the other panes, the scan and the commands ask of the disc tree. The tree pane
// implements it beside Pane; find it with discTree(document).
class DiscTreePane {
public:
    virtual ~DiscTreePane() = default;
    // Empties the tree and adds every disc the user may see, in catalogue order.
    virtual void fill() = 0;
    // Selects the first disc item, which makes its disc the current one; nothing when empty.
    virtual void selectFirstDisc() = 0;
    // Adds the disc's items at the end and selects its item (a scanned or blank disc).
    virtual void addDiscItem(const CQXDisc& disc) = 0;
    // Selects the item of the disc with exactly that number, which makes the disc current;
    // false, and nothing changes, when the tree does not show such a disc.
    virtual bool selectDisc(const std::string& number) = 0;
    // Folds the item of the disc with that number; nothing when the tree does not show it.
    virtual void collapseDisc(const std::string& number) = 0;
    // The selected item's path ("12 BACKUP\docs\old"); empty without a selection.
    virtual std::string selectedItemPath() const = 0;
    // Renames (and with a non-empty number renumbers) the current disc.
    virtual void renameDisc(const std::string& newNumber, const std::string& newName) = 0;
    virtual void rebuildByCategories() = 0;
    virtual void locateFile(const CQXFileData& entry) = 0;
    // Share or Unshare of the disc of the selected item, with the owner test.
    virtual ShareResult shareSelectedDisc(bool shared) = 0;
    virtual void deleteDisc() = 0;
    virtual void showDiscInformation() = 0;
};

// What others ask of the file list.
class FileListPane {
public:
    virtual ~FileListPane() = default;
    virtual void showFolder(const std::string& itemPath) = 0;
    virtual void clear() = 0;
    virtual void highlightEntry(const CQXFileData& entry) = 0;
    // The entries of the selected rows, in row order.
    virtual std::vector<CQXFileData*> selectedEntries() const = 0;
    // A catalogue was created or opened: empties the list, forgets the sort directions and
    // takes the icon size from the settings.
    virtual void showCatalogue() = 0;
    // Opens the file of the row at the selection mark from its disc (the Enter action after a
    // click in the list).
    virtual void openSelectedFile() = 0;
};

// What others ask of the categories panel.
class CategoriesPane {
public:
    virtual ~CategoriesPane() = default;
    // Attached categories, notes, cover thumbnail and prices of the document's current disc.
    virtual void refreshForCurrentDisc() = 0;
    virtual void refillAttachedCategories() = 0;
    // The list of all categories again, after others added to the catalogue's categories.
    virtual void refillAllCategories() = 0;
    // The drive row chosen for a scan ("D:\"), handed over once; empty when none was chosen.
    virtual std::string takeScanDriveText() = 0;
    // The names selected in the list of all categories, in row order.
    virtual std::vector<std::string> selectedCategories() const = 0;
    // A catalogue was created or opened: fills both category lists, adding the default
    // categories to an empty list when the settings ask for it.
    virtual void showCatalogue() = 0;
    // What Enter runs after typing in the panel: create the category typed in its field, or
    // store the notes as "Save Notes" does.
    virtual void createCategory() = 0;
    virtual void saveNotes() = 0;
};

// What others ask of the commands panel.
class CommandsPane {
public:
    virtual ~CommandsPane() = default;
    // The disc fields for the document's current disc, with the number of discs and the last.
    virtual void refreshDiscFields() = 0;
    // The statistics of the catalogue: its owner, its shared discs and its files.
    virtual void refreshStatus() = 0;
    // A catalogue was created or opened: the disc fields and the statistics.
    virtual void showCatalogue() = 0;
    // Opens the scan dialog, the drive preselected when one is given ("D:\").
    virtual void startScan(const std::string& preselectedDrive) = 0;
    // Opens a search window for the query, given the categories panel's selected names when
    // it searches by category; with startAtOnce the window runs its search by itself. Nothing
    // while the catalogue has no disc.
    virtual void openSearchWindow(const SearchQuery& query, bool startAtOnce) = 0;

    // What Enter runs after typing in the panel, each with the texts its fields hold: Change
    // number ("CD Number", "CD Name"), Show CD (the find box), a search for the pattern, Lend
    // (the borrower), and storing the artist and quality, after which the disc is shown again.
    virtual void changeNumber() = 0;
    virtual void showDisc() = 0;
    virtual void startSearch() = 0;
    virtual void lend() = 0;
    virtual void storeDetails() = 0;
};

// The registered pane with that role, or null while the window has none.
DiscTreePane* discTree(const CQX2Doc& document);
FileListPane* fileList(const CQX2Doc& document);
CategoriesPane* categoriesPanel(const CQX2Doc& document);
CommandsPane* commandsPanel(const CQX2Doc& document);

}  // namespace vorlix
