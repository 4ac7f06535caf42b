#include "views/qx2_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <unordered_set>

#include "app/catalogue_document.h"
#include "app/setting_names.h"
#include "app/settings/settings_flags.h"
#include "app/ui/qt_text.h"
#include "core/user_prompt.h"
#include "net/copy_task.h"
#include "views/attached_categories_dialog.h"
#include "views/file_list_model.h"
#include "views/logic/file_list_columns.h"
#include "views/logic/file_list_file_opener.h"
#include "views/logic/file_list_rows.h"
#include "views/logic/file_list_track_rename.h"

namespace vorlix {

namespace {

constexpr int kSmallIconSize = 16;
constexpr int kLargeIconSize = 32;

constexpr std::string_view kNoEntryMessage =
    "OnFilemenuViewandeditattachedcategories() #Could not find file";

Qt::SortOrder sortOrder(SortDirection direction) {
    return direction == SortDirection::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
}

}  // namespace

CQX2View::CQX2View(CQX2Doc& document, const ViewServices& services, QWidget* parent)
    : QFrame(parent),
      m_document(document),
      m_services(services),
      m_model(new FileListModel(this)),
      m_list(new QTreeView(this)),
      m_columns(*m_list, fileListLeastWidths(screen()->geometry().width())) {
    setObjectName(toQt(kQX2ViewClass));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    m_list->setObjectName(QStringLiteral("fileList"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    // Every row has the same height, which lets the view skip measuring a hundred thousand.
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    // Editing starts only through F2, on audio tracks.
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->installEventFilter(this);
    QHeaderView* header = m_list->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    m_columns.fitColumns();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);

    connect(header, &QHeaderView::sectionClicked, this, &CQX2View::sortByColumn);
    connect(m_list, &QTreeView::clicked, this,
            [this] { m_document.setEnterTarget(EnterTarget::OpenFile); });
    connect(m_list, &QTreeView::doubleClicked, this, &CQX2View::openSelectedFile);
    connect(m_list, &QTreeView::customContextMenuRequested, this, &CQX2View::showFileMenu);
    connect(m_model, &FileListModel::trackRenamed, this, [this] { m_document.setModified(); });

    m_document.addPane(*this);
    takeIconSizeFromSettings();
}

CQX2View::~CQX2View() {
    m_document.removePane(*this);
}

std::string_view CQX2View::paneClassName() const {
    return kQX2ViewClass;
}

void CQX2View::runCommand(PaneCommand command) {
    switch (command) {
        case PaneCommand::FileViewLargeIcons:
            setLargeIcons(true);
            break;
        case PaneCommand::FileViewSmallIcons:
            setLargeIcons(false);
            break;
        default:
            break;
    }
}

void CQX2View::showFolder(const std::string& itemPath) {
    m_model->setRows(folderRows(m_document.currentDisc().files, itemPath));
    m_columns.fitTypeColumn(m_model->rows());
    // The new rows are in catalogue order, not in the order last sorted.
    m_list->header()->setSortIndicator(-1, Qt::AscendingOrder);
}

void CQX2View::clear() {
    m_model->clear();
    m_columns.fitTypeColumn({});
    m_list->header()->setSortIndicator(-1, Qt::AscendingOrder);
}

void CQX2View::highlightEntry(const CQXFileData& entry) {
    const std::optional<std::size_t> row = rowShowing(m_model->rows(), entry);
    if (!row) {
        return;
    }
    const QModelIndex index = m_model->index(static_cast<int>(*row), 0);
    m_list->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(index);
}

std::vector<CQXFileData*> CQX2View::selectedEntries() const {
    QModelIndexList rows = m_list->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    const std::vector<CQXFileData*>& files = m_document.currentDisc().files;
    const std::unordered_set<CQXFileData*> onDisc(files.begin(), files.end());
    std::vector<CQXFileData*> entries;
    entries.reserve(static_cast<std::size_t>(rows.size()));
    for (const QModelIndex& index : rows) {
        CQXFileData* entry = m_model->row(index.row())->entry;
        if (onDisc.contains(entry)) {
            entries.push_back(entry);
        }
    }
    return entries;
}

void CQX2View::showCatalogue() {
    clear();
    m_sortState.reset();
    takeIconSizeFromSettings();
}

void CQX2View::openSelectedFile() {
    if (!m_document.hasDiscs()) {
        return;
    }
    const CQXFileData* entry = entryOfRow(markedRow());
    if (entry == nullptr) {
        return;
    }
    FileListFileOpener(m_services.drives, m_services.shell, m_services.prompt, m_services.members)
        .open(*entry, m_document.currentDisc());
}

CQXFileData* CQX2View::entryOfRow(int row) const {
    const FileListRow* shown = m_model->row(row);
    if (shown == nullptr) {
        return nullptr;
    }
    // Rows shown before the catalogue was replaced or the disc deleted must not reach entries
    // that are gone; only entries of the current disc count.
    const std::vector<CQXFileData*>& files = m_document.currentDisc().files;
    return std::find(files.begin(), files.end(), shown->entry) != files.end() ? shown->entry
                                                                              : nullptr;
}

bool CQX2View::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list ||
        (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)) {
        return QFrame::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
        // Tab stays in the list: its release selects every row.
        if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) {
            m_list->selectAll();
        }
        return true;
    }
    if (key->key() == Qt::Key_F2 && event->type() == QEvent::KeyPress) {
        renameMarkedTrack();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void CQX2View::takeIconSizeFromSettings() {
    const bool large = readFlag(m_services.settings, setting::kLargeFileIcons);
    if (large != m_document.fileViewLargeIcons()) {
        // Through the document, so that its View menu shows the size in use.
        m_document.onCommand(large ? PaneCommand::FileViewLargeIcons
                                   : PaneCommand::FileViewSmallIcons);
        return;
    }
    const int size = large ? kLargeIconSize : kSmallIconSize;
    m_list->setIconSize(QSize(size, size));
}

void CQX2View::setLargeIcons(bool large) {
    const int size = large ? kLargeIconSize : kSmallIconSize;
    m_list->setIconSize(QSize(size, size));
    writeFlag(m_services.settings, setting::kLargeFileIcons, large);
}

void CQX2View::sortByColumn(int section) {
    const auto column = static_cast<FileListColumn>(section);
    const SortDirection direction = m_sortState.flip(column);
    m_model->sortBy(column, direction);
    m_list->header()->setSortIndicator(section, sortOrder(direction));
}

void CQX2View::renameMarkedTrack() {
    const FileListRow* shown = m_model->row(markedRow());
    if (shown == nullptr || !isAudioTrackRow(*shown) || entryOfRow(markedRow()) == nullptr) {
        return;
    }
    m_list->edit(m_model->index(markedRow(), static_cast<int>(FileListColumn::Name)));
}

void CQX2View::showFileMenu(const QPoint& position) {
    if (!m_document.hasDiscs() || entryOfRow(markedRow()) == nullptr) {
        return;
    }
    QMenu menu(QStringLiteral("File Menu"), this);
    menu.setObjectName(QStringLiteral("fileMenu"));
    menu.addAction(QStringLiteral("Open File"), this, &CQX2View::openSelectedFile);
    menu.addAction(QStringLiteral("Copy File to Hard Disc"), this,
                   &CQX2View::copySelectedToHardDisc);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Add To Playlist"), this, &CQX2View::addSelectedToPlaylist);
    menu.addSeparator();
    menu.addAction(QStringLiteral("View Attached Categories"), this,
                   &CQX2View::viewAttachedCategories);
    menu.addAction(QStringLiteral("CD Info"), this, &CQX2View::showDiscInformation);
    menu.addSeparator();
    menu.addAction(QStringLiteral("QX Help Playlist"), this,
                   [this] { m_document.onHelpPlaylist(); });
    menu.exec(m_list->viewport()->mapToGlobal(position));
}

void CQX2View::copySelectedToHardDisc() {
    if (m_services.copies != nullptr) {
        m_services.copies->start(
            fileListCopyTask(selectedEntries(), std::string(m_document.currentDisc().number())));
    }
}

// The playlist tells files of several discs apart by the number each entry carries.
void CQX2View::addSelectedToPlaylist() {
    const std::vector<CQXFileData*> entries = selectedEntries();
    for (CQXFileData* entry : entries) {
        entry->setDiscNumber(m_document.currentDisc().number());
    }
    m_document.openPlaylistWindow(entries);
}

void CQX2View::viewAttachedCategories() {
    CQXFileData* entry = entryOfRow(markedRow());
    if (entry == nullptr) {
        m_services.prompt.message(kNoEntryMessage);
        return;
    }
    const TextList before = entry->categories();
    CDialogAttachedCategories dialog(*entry, this);
    dialog.exec();
    if (entry->categories() != before) {
        m_document.setModified();
    }
}

void CQX2View::showDiscInformation() {
    if (DiscTreePane* tree = discTree(m_document)) {
        tree->showDiscInformation();
    }
}

int CQX2View::markedRow() const {
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

}  // namespace vorlix
