#include "scan/ui/scan_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui/qt_text.h"
#include "core/user_prompt.h"
#include "scan/scan_session.h"
#include "scan/ui/scan_filter_window.h"
#include "scan/ui/scan_thread.h"

namespace vorlix {

namespace {

constexpr char kImageDialogTitle[] = "Scan a disc image";
// Each description shows its patterns as the file dialog lists them, so it keeps them once.
constexpr char kImageFilter[] =
    "Disc Images (*.iso *.cue *.bin)|*.iso;*.cue;*.bin|All Files (*.*)|*.*||";
constexpr char kFolderDialogTitle[] = "Scan a folder as a disc";

constexpr int kToolIconSize = 32;
// The archive limit's spin box goes up to a terabyte.
constexpr int kMaxArchiveLimit = 1024 * 1024;
constexpr QSize kVerticalBarSize(20, 96);

QIcon themeIcon(const char* name, const QStyle* style, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QString::fromLatin1(name), style->standardIcon(fallback));
}

// A closed folder that shows open while its item is selected.
QIcon folderIcon(const QStyle* style) {
    const QIcon closed = themeIcon("folder", style, QStyle::SP_DirClosedIcon);
    const QIcon open = themeIcon("folder-open", style, QStyle::SP_DirOpenIcon);
    QIcon icon;
    for (const QSize& size : closed.availableSizes()) {
        icon.addPixmap(closed.pixmap(size), QIcon::Normal);
        icon.addPixmap(open.pixmap(size), QIcon::Selected);
    }
    return icon.isNull() ? closed : icon;
}

// A display text beside its caption: plain text, since file names may look like markup, and
// free to be cut rather than to widen the dialog.
QLabel* valueLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

QProgressBar* progressBar(const char* name, Qt::Orientation orientation, int maximum,
                          QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setOrientation(orientation);
    bar->setRange(0, maximum);
    bar->setValue(0);
    bar->setTextVisible(false);
    if (orientation == Qt::Vertical) {
        bar->setFixedSize(kVerticalBarSize);
    }
    return bar;
}

QAction* menuItem(QMenu* menu, const char* text, const char* name) {
    QAction* action = menu->addAction(QString::fromLatin1(text));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

CDialogScan::CDialogScan(ScanRequest request, const ScanServices& services,
                         ScanDialogHandlers handlers, QWidget* parent)
    : QDialog(parent),
      m_services(services),
      m_reader(services.drives),
      m_handlers(std::move(handlers)) {
    setObjectName(QStringLiteral("CDialogScan"));
    setWindowTitle(toQt(kScanDialogTitle));
    setModal(false);

    m_filterWindow = std::make_unique<ScanFilterWindow>(services.filterLists, services.prompt,
                                                        services.settings, this);
    m_session =
        std::make_unique<ScanSession>(std::move(request), services.filterLists, services.mediaTags,
                                      services.settings, services.prompt, *m_filterWindow);
    m_scanThread = std::make_unique<CScanThread>();
    // An ended dialog goes once its scan thread has let go of the session.
    connect(m_scanThread.get(), &CScanThread::finished, this, &QObject::deleteLater);

    m_driveIcon = themeIcon("drive-optical", style(), QStyle::SP_DriveCDIcon);
    m_folderIcon = folderIcon(style());

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(createDrives(), 1);
    left->addWidget(createProgress());
    columns->addLayout(left, 0);
    columns->addWidget(createTree(), 1);

    auto* layout = new QVBoxLayout(this);
    createMenus(layout);
    layout->addLayout(columns, 1);
    layout->addLayout(createButtons());

    m_progressTimer = new QTimer(this);
    m_progressTimer->setObjectName(QStringLiteral("progressTimer"));
    m_progressTimer->setInterval(kScanProgressInterval);
    connect(m_progressTimer, &QTimer::timeout, this, &CDialogScan::showProgress);

    m_preselectionTimer = new QTimer(this);
    m_preselectionTimer->setObjectName(QStringLiteral("preselectionTimer"));
    m_preselectionTimer->setSingleShot(true);
    m_preselectionTimer->setInterval(kPreselectionDelay);
    connect(m_preselectionTimer, &QTimer::timeout, this, &CDialogScan::onPreselectionTimeout);

    const bool preselected = m_session->open();
    m_filterBox->setChecked(m_session->filterOn());
    m_autoSaveBox->setChecked(m_session->autoSave());
    m_listArchivesBox->setChecked(m_session->listArchives());
    m_archiveLimit->setValue(static_cast<int>(
        std::min<std::uint32_t>(m_session->archiveLimitMegabytes(), kMaxArchiveLimit)));
    connect(m_filterBox, &QCheckBox::toggled, this,
            [this](bool on) { m_session->setFilterOn(on); });
    connect(m_autoSaveBox, &QCheckBox::toggled, this,
            [this](bool on) { m_session->setAutoSave(on); });
    connect(m_listArchivesBox, &QCheckBox::toggled, this,
            [this](bool on) { m_session->setListArchives(on); });
    connect(m_archiveLimit, &QSpinBox::valueChanged, this, [this](int megabytes) {
        m_session->setArchiveLimitMegabytes(static_cast<std::uint32_t>(megabytes));
    });
    readDrives();
    if (preselected) {
        m_preselectionTimer->start();
    }
    resize(660, 440);
}

CDialogScan::~CDialogScan() {
    m_filterWindow->close();
    // Gone with its owner while work may be in hand: a walk ends within one entry once the
    // session is closed, and the scan thread is waited for.
    m_session->close();
    m_scanThread.reset();
}

void CDialogScan::createMenus(QLayout* layout) {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("scanMenuBar"));
    QMenu* operations = bar->addMenu(QStringLiteral("Operations"));
    m_startAction = menuItem(operations, "Start Scan", "startScan");
    QAction* cancel = menuItem(operations, "Cancel Scan", "cancelScan");
    QAction* close = menuItem(operations, "Close Dialog", "closeDialog");
    QMenu* filter = bar->addMenu(QStringLiteral("Filter"));
    m_filterAction = menuItem(filter, "Show Scan Filter", "showScanFilter");
    connect(m_startAction, &QAction::triggered, this, &CDialogScan::onScan);
    connect(cancel, &QAction::triggered, this, &CDialogScan::onStop);
    connect(close, &QAction::triggered, this, &CDialogScan::onCloseScan);
    connect(m_filterAction, &QAction::triggered, this, [this] { m_session->showScanFilter(); });
    layout->setMenuBar(bar);
}

QWidget* CDialogScan::createDrives() {
    auto* group = new QGroupBox(QStringLiteral("Drives"), this);
    group->setObjectName(QStringLiteral("drivesGroup"));
    m_driveList = new QListWidget(group);
    m_driveList->setObjectName(QStringLiteral("driveList"));
    m_driveList->setIconSize(QSize(24, 24));
    m_driveList->setUniformItemSizes(true);
    m_scanImage = new QPushButton(QStringLiteral("Scan Image..."), group);
    m_scanImage->setObjectName(QStringLiteral("scanImage"));
    m_scanImage->setAutoDefault(false);
    m_virtualCd = new QPushButton(QStringLiteral("Virtual CD"), group);
    m_virtualCd->setObjectName(QStringLiteral("virtualCd"));
    m_virtualCd->setAutoDefault(false);

    auto* sources = new QHBoxLayout;
    sources->addWidget(m_scanImage);
    sources->addWidget(m_virtualCd);
    sources->addStretch();
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_driveList, 1);
    layout->addLayout(sources);

    connect(m_driveList, &QListWidget::currentRowChanged, this, &CDialogScan::onDriveChosen);
    connect(m_scanImage, &QPushButton::clicked, this, &CDialogScan::onScanImage);
    connect(m_virtualCd, &QPushButton::clicked, this, &CDialogScan::onVirtualCd);
    return group;
}

QWidget* CDialogScan::createTree() {
    auto* group = new QGroupBox(QStringLiteral("CD Tree"), this);
    group->setObjectName(QStringLiteral("treeGroup"));
    m_tree = new QTreeWidget(group);
    m_tree->setObjectName(QStringLiteral("cdTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setUniformRowHeights(true);
    m_tree->setMinimumWidth(240);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_tree);
    return group;
}

QWidget* CDialogScan::createProgress() {
    auto* panel = new QWidget(this);
    auto* texts = new QGridLayout;
    const auto addRow = [panel, texts](int row, const char* caption, QLabel* value) {
        texts->addWidget(new QLabel(QString::fromLatin1(caption), panel), row, 0);
        texts->addWidget(value, row, 1);
    };
    m_folderText = valueLabel("folderText", panel);
    m_fileText = valueLabel("fileText", panel);
    m_countText = valueLabel("countText", panel);
    m_sizeText = valueLabel("sizeText", panel);
    addRow(0, "Folder :", m_folderText);
    addRow(1, "File :", m_fileText);
    addRow(2, "Files :", m_countText);
    addRow(3, "CD Size :", m_sizeText);
    texts->setColumnStretch(1, 1);

    m_recordedBar = progressBar("recordedBar", Qt::Horizontal, 100, panel);
    m_seenBar = progressBar("seenBar", Qt::Vertical, 50, panel);
    m_foldersBar = progressBar("foldersBar", Qt::Vertical, 100, panel);

    auto* bars = new QGridLayout;
    bars->addWidget(m_seenBar, 0, 0, Qt::AlignHCenter);
    bars->addWidget(m_foldersBar, 0, 1, Qt::AlignHCenter);
    auto* systemInfo = new QLabel(QStringLiteral("System Info"), panel);
    systemInfo->setObjectName(QStringLiteral("systemInfoText"));
    auto* discSpecific = new QLabel(QStringLiteral("Disc Specific"), panel);
    discSpecific->setObjectName(QStringLiteral("discSpecificText"));
    bars->addWidget(systemInfo, 1, 0, Qt::AlignHCenter);
    bars->addWidget(discSpecific, 1, 1, Qt::AlignHCenter);

    m_scanButton = createToolButton("scanButton", QStringLiteral("Scan CD/DVD"),
                                    themeIcon("media-optical", style(), QStyle::SP_DriveCDIcon));
    m_stopButton = createToolButton("stopButton", QStringLiteral("Stop Scan"),
                                    themeIcon("process-stop", style(), QStyle::SP_BrowserStop));
    m_saveButton =
        createToolButton("saveButton", QStringLiteral("Save Scan"),
                         themeIcon("document-save", style(), QStyle::SP_DialogSaveButton));
    connect(m_scanButton, &QToolButton::clicked, this, &CDialogScan::onScan);
    connect(m_stopButton, &QToolButton::clicked, this, &CDialogScan::onStop);
    connect(m_saveButton, &QToolButton::clicked, this, &CDialogScan::onSave);
    auto* commands = new QHBoxLayout;
    commands->addWidget(m_scanButton);
    commands->addWidget(m_stopButton);
    commands->addWidget(m_saveButton);

    auto* lower = new QHBoxLayout;
    lower->addLayout(bars);
    lower->addStretch();
    lower->addLayout(commands);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(texts);
    layout->addWidget(m_recordedBar);
    layout->addLayout(lower);
    return panel;
}

QToolButton* CDialogScan::createToolButton(const char* name, const QString& tip,
                                           const QIcon& icon) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    button->setIcon(icon);
    button->setIconSize(QSize(kToolIconSize, kToolIconSize));
    button->setAutoRaise(true);
    return button;
}

QLayout* CDialogScan::createButtons() {
    m_filterBox = new QCheckBox(QStringLiteral("Enable Scan Filter"), this);
    m_filterBox->setObjectName(QStringLiteral("enableScanFilter"));
    m_autoSaveBox = new QCheckBox(
        QStringLiteral("Automatically save database after every scan ( safer )"), this);
    m_autoSaveBox->setObjectName(QStringLiteral("autoSave"));
    m_listArchivesBox = new QCheckBox(QStringLiteral("List the contents of archives"), this);
    m_listArchivesBox->setObjectName(QStringLiteral("listArchives"));
    m_archiveLimit = new QSpinBox(this);
    m_archiveLimit->setObjectName(QStringLiteral("archiveLimit"));
    m_archiveLimit->setRange(1, kMaxArchiveLimit);
    m_archiveLimit->setSuffix(QStringLiteral(" MB"));
    m_archiveLimit->setPrefix(QStringLiteral("up to "));
    m_archiveLimit->setToolTip(QStringLiteral("Larger archives are catalogued as files"));
    // Typing a limit digit by digit would store every number on the way.
    m_archiveLimit->setKeyboardTracking(false);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &CDialogScan::onCloseScan);

    m_statusText = valueLabel("statusText", this);

    auto* boxes = new QVBoxLayout;
    boxes->addWidget(m_filterBox);
    boxes->addWidget(m_autoSaveBox);
    auto* archives = new QHBoxLayout;
    archives->addWidget(m_listArchivesBox);
    archives->addWidget(m_archiveLimit);
    archives->addStretch(1);
    boxes->addLayout(archives);
    auto* layout = new QHBoxLayout;
    layout->addLayout(boxes);
    layout->addWidget(m_statusText, 1, Qt::AlignBottom);
    layout->addWidget(close, 0, Qt::AlignBottom);
    return layout;
}

void CDialogScan::reject() {
    onCloseScan();
}

void CDialogScan::onScan() {
    if (m_ended || m_scanThread->busy()) {
        return;
    }
    m_scanCommandGiven = true;
    // The filter window edits the detected extensions, which a scan start empties.
    m_filterWindow->close();
    const std::optional<std::string> drivePath = m_session->beginScan();
    if (!drivePath) {
        updateCommands();
        return;
    }
    auto disc = std::make_shared<OpenedDisc>();
    read([reader = m_reader, path = *drivePath, disc] { *disc = reader.open(path); },
         [this, disc] { startWalk(std::move(*disc)); });
}

void CDialogScan::startWalk(OpenedDisc disc) {
    if (!m_session->startWalk(std::move(disc))) {
        return;
    }
    clearTree();
    m_walking = true;
    m_scanThread->run([session = m_session.get()] { session->runWalk(); },
                      [this] { onWalkEnded(); });
    m_progressTimer->start();
    showProgress();
}

void CDialogScan::read(std::function<void()> work, std::function<void()> apply) {
    m_scanThread->run(std::move(work), [this, apply = std::move(apply)] {
        if (!m_ended) {
            apply();
        }
        afterRead();
    });
    updateCommands();
}

void CDialogScan::afterRead() {
    if (m_ended) {
        return;
    }
    updateCommands();
    if (m_scanWhenIdle && !m_scanThread->busy()) {
        m_scanWhenIdle = false;
        onPreselectionTimeout();
    }
}

void CDialogScan::readDrives() {
    auto items = std::make_shared<std::vector<ScanDriveItem>>();
    read([reader = m_reader, added = m_session->addedSources(),
          items] { *items = reader.driveItems(added); },
         [this, items] {
             m_session->showDrives(std::move(*items));
             showDrives();
         });
}

void CDialogScan::addSource(std::function<ScanDriveItem()> readItem) {
    auto item = std::make_shared<ScanDriveItem>();
    read([readItem = std::move(readItem), item] { *item = readItem(); },
         [this, item] {
             m_session->showAddedSource(std::move(*item));
             showDrives();
         });
}

void CDialogScan::onStop() {
    if (m_ended) {
        return;
    }
    m_session->stop();
    clearTree();
    showProgress();
    showDrives();
    updateCommands();
}

void CDialogScan::onSave() {
    if (m_ended || m_scanThread->busy()) {
        return;
    }
    std::optional<SavedScan> saved = m_session->save();
    if (!saved) {
        updateCommands();
        return;
    }
    end();
    m_handlers.discSaved(std::move(*saved));
}

void CDialogScan::onCloseScan() {
    if (m_ended) {
        return;
    }
    // A running walk ends within one entry, a read when the drive answers; the dialog goes when
    // the scan thread has ended after them.
    m_session->close();
    end();
    m_handlers.scanClosed();
}

void CDialogScan::end() {
    m_ended = true;
    m_progressTimer->stop();
    m_preselectionTimer->stop();
    m_filterWindow->close();
    hide();
    m_scanThread->finish();
}

void CDialogScan::onWalkEnded() {
    m_walking = false;
    m_progressTimer->stop();
    if (m_ended) {
        return;
    }
    showProgress();
    if (m_session->job().completed()) {
        finishTree();
    } else {
        clearTree();
    }
    m_session->walkEnded();
    updateCommands();
}

void CDialogScan::onDriveChosen(int row) {
    if (row >= 0) {
        m_session->selectDrive(row);
    }
}

void CDialogScan::onScanImage() {
    const std::optional<std::string> image = m_services.prompt.chooseFileToOpen(
        FileDialogRequest{kImageDialogTitle, kImageFilter, {}, {}});
    if (image) {
        addSource([reader = m_reader, path = *image] { return reader.addImage(path); });
    }
}

void CDialogScan::onVirtualCd() {
    // The prompt port asks only for files; a folder is chosen here, in the window itself.
    const QString folder =
        QFileDialog::getExistingDirectory(this, QString::fromLatin1(kFolderDialogTitle));
    if (!folder.isEmpty()) {
        addSource([reader = m_reader, path = fromQt(folder)] { return reader.addFolder(path); });
    }
}

void CDialogScan::onPreselectionTimeout() {
    if (m_scanCommandGiven) {
        return;
    }
    // The scan waits for the drive list being read, as the user's Scan would.
    if (m_scanThread->busy()) {
        m_scanWhenIdle = true;
        return;
    }
    onScan();
}

void CDialogScan::showDrives() {
    const QSignalBlocker quiet(m_driveList);
    m_driveList->clear();
    for (const std::string& text : m_session->driveItems()) {
        m_driveList->addItem(new QListWidgetItem(m_driveIcon, toQt(text)));
    }
    m_driveList->setCurrentRow(m_session->selectedDrive());
}

void CDialogScan::showProgress() {
    const ScanDisplay display = m_session->job().display();
    m_folderText->setText(toQt(display.folderText));
    m_fileText->setText(toQt(display.fileText));
    m_countText->setText(toQt(display.countText));
    m_sizeText->setText(toQt(display.sizeText));
    m_recordedBar->setValue(display.recordedBar);
    m_seenBar->setValue(display.seenBar);
    m_foldersBar->setValue(display.foldersBar);
    if (m_walking) {
        m_statusText->setText(toQt(display.unreadableText));
    }
    if (m_session->job().state() == ScanState::Walking) {
        addTreeItems();
    }
}

void CDialogScan::addTreeItems() {
    for (const ScanTreeItem& item : m_session->job().treeItems(m_treeItems.size())) {
        const auto parent = static_cast<std::size_t>(item.parent);
        QTreeWidgetItem* shown = nullptr;
        if (item.parent < 0) {
            shown = new QTreeWidgetItem(m_tree);
            shown->setIcon(0, m_driveIcon);
        } else if (parent < m_treeItems.size()) {
            shown = new QTreeWidgetItem(m_treeItems[parent]);
            shown->setIcon(0, m_folderIcon);
        } else {
            // The tree was emptied by a Stop while the walk added to it; nothing to show.
            return;
        }
        shown->setText(0, toQt(item.text));
        m_treeItems.push_back(shown);
    }
}

void CDialogScan::clearTree() {
    m_tree->clear();
    m_treeItems.clear();
}

void CDialogScan::finishTree() {
    addTreeItems();
    if (m_treeItems.empty()) {
        return;
    }
    QTreeWidgetItem* root = m_treeItems.front();
    m_tree->setCurrentItem(root);
    root->setExpanded(true);
}

void CDialogScan::updateCommands() {
    const bool busy = m_scanThread->busy();
    // Between reads the status tells what the last walk could not read.
    m_statusText->setText(busy && !m_walking ? toQt(kReadingDiscText)
                                             : toQt(m_session->job().unreadableText()));
    m_scanButton->setEnabled(!busy);
    m_startAction->setEnabled(!busy);
    m_saveButton->setEnabled(!busy && m_session->saveEnabled());
    // A read or a walk uses the drive path and the filter switch and a walk fills the detected
    // extensions, so none of them may change under it; the drives take one read at a time.
    m_driveList->setEnabled(!busy);
    m_scanImage->setEnabled(!busy);
    m_virtualCd->setEnabled(!busy);
    m_filterBox->setEnabled(!busy);
    m_listArchivesBox->setEnabled(!busy);
    m_archiveLimit->setEnabled(!busy);
    m_filterAction->setEnabled(!busy);
}

}  // namespace vorlix
