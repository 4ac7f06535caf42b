#pragma once

#include <QFrame>
#include <string>

#include "app/pane.h"
#include "app/pane_operations.h"
#include "scan/ui/scan_services.h"
#include "views/view_services.h"

namespace vorlix {

class CDialogScan;
class CQX2Doc;

// The commands panel, the leftmost pane of the main window: the buttons and fields that start
// scans, searches and lending, and the status line. It starts the scans: one scan dialog at a
// time, whose saved disc it puts into the catalogue.
// It registers with the document for as long as it exists.
class CCommandsView : public QFrame, public Pane, public CommandsPane {
    Q_OBJECT

public:
    // scan: what the scan dialogs it opens work with.
    CCommandsView(CQX2Doc& document, const ViewServices& services, const ScanServices& scan,
                  QWidget* parent = nullptr);
    ~CCommandsView() override;

    std::string_view paneClassName() const override;
    void runCommand(PaneCommand command) override;

    void refreshDiscFields() override;
    void refreshStatus() override;
    // Nothing while a scan dialog is open; refused when the catalogue belongs to someone else.
    void startScan(const std::string& preselectedDrive) override;
    void openSearchWindow(const SearchQuery& query, bool startAtOnce) override;

    // The scan-open marker: set from the scan request until its dialog has saved or closed.
    bool scanOpen() const { return m_scanDialog != nullptr; }
    CDialogScan* scanDialog() const { return m_scanDialog; }

private:
    void onDiscSaved(SavedScan saved);
    void onScanClosed();
    // The disc last appended to the catalogue, which is the current disc, in every pane.
    void showAddedDisc();
    void dropScanDialog();

    CQX2Doc& m_document;
    ViewServices m_services;
    ScanServices m_scan;
    CDialogScan* m_scanDialog = nullptr;
};

}  // namespace vorlix
