#pragma once

#include <QDialog>
#include <QIcon>
#include <functional>
#include <memory>
#include <vector>

#include "scan/scan_drive_reader.h"
#include "scan/scan_request.h"
#include "scan/ui/scan_services.h"

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QSpinBox;
class QPushButton;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vorlix {

class CScanThread;
class ScanFilterWindow;
class ScanSession;

inline constexpr std::string_view kScanDialogTitle = "Scan Drives";
// Shown while the scan thread reads the drive list or the disc of a Scan command.
inline constexpr std::string_view kReadingDiscText = "Reading the disc...";
// How often the dialog shows what a running walk has done so far.
inline constexpr int kScanProgressInterval = 50;
// How long after opening a dialog with a preselected drive its scan starts by itself.
inline constexpr int kPreselectionDelay = 300;

// The modeless "Scan Drives" window: the drive list, the folder tree, the progress of a walk,
// and the Scan, Stop, Save and Close commands, which it hands to its ScanSession. Whatever reads
// a drive (the drive list, an added image or folder, the disc of a Scan command) and the walk
// run on the dialog's scan thread, one after the other; meanwhile only Stop, Close and the
// automatic-save box stay enabled, a read shows "Reading the disc..." and a walk its progress,
// which the dialog polls from the scan job; the status line then tells what the walk could not
// read. The dialog ends by calling one of its handlers and
// deletes itself once its scan thread has let go of it, without the window ever waiting for a
// drive; its owner only forgets it (deleting the owner deletes the dialog, which then waits).
class CDialogScan final : public QDialog {
    Q_OBJECT

public:
    CDialogScan(ScanRequest request, const ScanServices& services, ScanDialogHandlers handlers,
                QWidget* parent = nullptr);
    ~CDialogScan() override;

    // Close, the close box and Escape all end the dialog as Close does.
    void reject() override;

private:
    QWidget* createDrives();
    QWidget* createTree();
    QWidget* createProgress();
    QLayout* createButtons();
    void createMenus(QLayout* layout);
    QToolButton* createToolButton(const char* name, const QString& tip, const QIcon& icon);

    void onScan();
    void onStop();
    void onSave();
    void onCloseScan();
    void onWalkEnded();
    void onDriveChosen(int row);
    void onScanImage();
    void onVirtualCd();
    void onPreselectionTimeout();

    // Runs work on the scan thread, then apply, unless the dialog has ended meanwhile.
    void read(std::function<void()> work, std::function<void()> apply);
    void afterRead();
    void readDrives();
    void addSource(std::function<ScanDriveItem()> readItem);
    void startWalk(OpenedDisc disc);

    void showDrives();
    void showProgress();
    void addTreeItems();
    void clearTree();
    void finishTree();
    void updateCommands();
    // Ends the dialog's life as a scan window, before its handler is called.
    void end();

    std::unique_ptr<ScanSession> m_session;
    std::unique_ptr<ScanFilterWindow> m_filterWindow;
    // Declared after the session so that it waits for the walk before the session goes.
    std::unique_ptr<CScanThread> m_scanThread;
    ScanServices m_services;
    ScanDriveReader m_reader;
    ScanDialogHandlers m_handlers;

    QIcon m_driveIcon;
    QIcon m_folderIcon;
    QAction* m_startAction = nullptr;
    QAction* m_filterAction = nullptr;
    QListWidget* m_driveList = nullptr;
    QPushButton* m_scanImage = nullptr;
    QPushButton* m_virtualCd = nullptr;
    QTreeWidget* m_tree = nullptr;
    std::vector<QTreeWidgetItem*> m_treeItems;
    QLabel* m_folderText = nullptr;
    QLabel* m_fileText = nullptr;
    QLabel* m_countText = nullptr;
    QLabel* m_sizeText = nullptr;
    QProgressBar* m_recordedBar = nullptr;
    QProgressBar* m_seenBar = nullptr;
    QProgressBar* m_foldersBar = nullptr;
    QToolButton* m_scanButton = nullptr;
    QToolButton* m_stopButton = nullptr;
    QToolButton* m_saveButton = nullptr;
    QCheckBox* m_filterBox = nullptr;
    QCheckBox* m_autoSaveBox = nullptr;
    QCheckBox* m_listArchivesBox = nullptr;
    QSpinBox* m_archiveLimit = nullptr;
    QLabel* m_statusText = nullptr;
    QTimer* m_progressTimer = nullptr;
    QTimer* m_preselectionTimer = nullptr;
    bool m_scanCommandGiven = false;
    // The preselection timer came while the drive list was being read.
    bool m_scanWhenIdle = false;
    bool m_walking = false;
    bool m_ended = false;
};

}  // namespace vorlix
