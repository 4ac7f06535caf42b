#pragma once

#include <QFrame>
#include <string>
#include <string_view>
#include <vector>

#include "app/enter_target.h"
#include "app/pane.h"
#include "app/pane_operations.h"
#include "app/search_window.h"
#include "scan/ui/scan_services.h"
#include "views/commands_services.h"
#include "views/logic/commands_field_editor.h"
#include "views/logic/open_search_windows.h"
#include "views/view_services.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;
class QToolButton;

namespace vorlix {

class CDialogScan;
class CQX2Doc;
class CompletingCombo;
class DigitEdit;

// The validation message of the find box, whose number must lie in this range.
inline constexpr std::string_view kFindNumberRangeMessage =
    "Please enter an integer between 1 and 2147483647.";

// The commands panel, the leftmost pane of the main window: picture buttons for the disc
// operations, the current disc's fields, the find box, the search, the lending of discs and
// the statistics of the catalogue. It starts the scans (one scan dialog at a time, whose saved
// disc it puts into the catalogue) and the search windows, which it keeps while they are open;
// it keeps the status line the tray shows, and it runs what the Enter key names anywhere in its
// window. It registers with the document for as long as it exists.
class CCommandsView : public QFrame, public Pane, public CommandsPane {
    Q_OBJECT

public:
    // scan: what the scan dialogs it opens work with.
    CCommandsView(CQX2Doc& document, const ViewServices& services, const ScanServices& scan,
                  const CommandsServices& commands, QWidget* parent = nullptr);
    ~CCommandsView() override;

    std::string_view paneClassName() const override;
    void runCommand(PaneCommand command) override;

    void refreshDiscFields() override;
    void refreshStatus() override;
    void showCatalogue() override;
    // Nothing while a scan dialog is open; refused when the catalogue belongs to someone else.
    void startScan(const std::string& preselectedDrive) override;
    void openSearchWindow(const SearchQuery& query, bool startAtOnce) override;
    void changeNumber() override;
    void showDisc() override;
    void startSearch() override;
    void lend() override;
    void storeDetails() override;

    // The scan-open marker: set from the scan request until its dialog has saved or closed.
    bool scanOpen() const { return m_scanDialog != nullptr; }
    CDialogScan* scanDialog() const { return m_scanDialog; }

    bool searchWindowsOpen() const { return !m_searchWindows.empty(); }
    void applyToSearchWindows(SearchWindowWord word);
    // Stops and closes every search window opened here.
    void closeSearchWindows();

Q_SIGNALS:
    // "Help Wizard" and "QX options" show windows that belong to the main window.
    void helpWizardRequested();
    void optionsRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createForm();
    QWidget* createButtons();
    QWidget* createDiscBox();
    QWidget* createFindBox();
    QWidget* createSearchBox();
    QWidget* createLendingBox();
    QWidget* createStatsBox();
    QToolButton* pictureButton(const char* name, const QIcon& icon, const char* toolTip);
    QToolButton* commandButton(const char* name, const QIcon& icon, const char* toolTip,
                               PaneCommand command);
    QLabel* statsText(QGridLayout* grid, const char* label, const char* name, bool detail);

    void firstDisplay();
    void updateStatusText();
    void onNumberEdited();
    void onDetailsEdited();
    void onComboBackspace(CompletingCombo* combo, EnterTarget target);
    void runCddbQuery();
    // Writes every disc of the catalogue to an HTML page the user chooses.
    void exportDatabase();
    void getBack();
    void openWindowFor(const SearchRequest& request);

    void onDiscSaved(SavedScan saved);
    void onScanClosed();
    // The disc last appended to the catalogue, which is the current disc, in every pane.
    void showAddedDisc();
    void dropScanDialog();

    CQX2Doc& m_document;
    ViewServices m_services;
    ScanServices m_scan;
    CommandsServices m_commands;
    CommandsFieldEditor m_fields;
    OpenSearchWindows m_searchWindows;
    CDialogScan* m_scanDialog = nullptr;

    DigitEdit* m_number = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_artist = nullptr;
    QLineEdit* m_quality = nullptr;
    QLineEdit* m_location = nullptr;
    QToolButton* m_saveNotes = nullptr;
    DigitEdit* m_findNumber = nullptr;
    CompletingCombo* m_searchText = nullptr;
    QRadioButton* m_everything = nullptr;
    QRadioButton* m_byCategory = nullptr;
    QCheckBox* m_extras = nullptr;
    CompletingCombo* m_lendName = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_lastEntry = nullptr;
    QLabel* m_owner = nullptr;
    QLabel* m_shared = nullptr;
    QLabel* m_files = nullptr;
    std::vector<QWidget*> m_statsDetails;
    QTimer* m_statusTimer = nullptr;

    bool m_displayed = false;
    bool m_storeAtOnce = false;
};

}  // namespace vorlix
