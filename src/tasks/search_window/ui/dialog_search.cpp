#include "tasks/search_window/ui/dialog_search.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <mutex>
#include <utility>

#include "app/catalogue_document.h"
#include "app/pane_operations.h"
#include "app/setting_names.h"
#include "app/settings_store.h"
#include "app/ui/qt_text.h"
#include "core/catalog.h"
#include "core/disc_info.h"
#include "core/text_case.h"
#include "core/user_prompt.h"
#include "scan/scanned_disc.h"
#include "search/search_pattern.h"
#include "tasks/html_export/html_export_file.h"
#include "tasks/html_export/search_export.h"
#include "tasks/search_window/search_caption.h"
#include "tasks/search_window/search_cover_size.h"
#include "tasks/search_window/ui/search_results_model.h"
#include "views/logic/categories_cover_thumbnail.h"

namespace vorlix {

namespace {

constexpr int kStartTickMs = 300;
constexpr int kFilterTickMs = 600;
// Where the results list starts and how far it stays from the right and bottom edges.
constexpr int kResultsLeft = 7;
constexpr int kResultsTop = 218;
constexpr int kResultsRightGap = 8;
constexpr int kResultsBottomGap = 12;

constexpr std::string_view kSleeping = "Sleeping ...";

QPixmap resampled(const QImage& image, std::optional<CoverSize> size) {
    return QPixmap::fromImage(size ? image.scaled(size->width, size->height, Qt::IgnoreAspectRatio,
                                                  Qt::SmoothTransformation)
                                   : image);
}

QTreeWidget* categoryList(const char* name) {
    auto* list = new QTreeWidget;
    list->setObjectName(QString::fromLatin1(name));
    list->setHeaderLabels({QStringLiteral("Category")});
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->header()->setSectionsClickable(true);
    return list;
}

QLineEdit* lineEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QPushButton* pushButton(const char* name, const char* text) {
    auto* button = new QPushButton(QString::fromLatin1(text));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

// Gathers a search's reports from its worker and asks the window's thread to take them. While
// one request is pending, further results join the gathered ones instead of making requests of
// their own, so the list grows by as much as arrived each time the window gets to it, however
// small the worker's batches. The window is the context of each request, so a request still
// queued when it goes is dropped with it.
class CDialogSearch::Forwarder final : public SearchReceiver {
public:
    struct Taken {
        std::vector<DiscResult> discs;
        std::vector<FileResult> files;
        bool done = false;
    };

    Forwarder(CDialogSearch* window, std::uint64_t search) : m_window(window), m_search(search) {}

    void discsFound(std::vector<DiscResult> batch) override {
        std::lock_guard lock(m_mutex);
        m_gathered.discs.insert(m_gathered.discs.end(), std::make_move_iterator(batch.begin()),
                                std::make_move_iterator(batch.end()));
        request();
    }
    void filesFound(std::vector<FileResult> batch) override {
        std::lock_guard lock(m_mutex);
        m_gathered.files.insert(m_gathered.files.end(), std::make_move_iterator(batch.begin()),
                                std::make_move_iterator(batch.end()));
        request();
    }
    void searchDone() override {
        std::lock_guard lock(m_mutex);
        m_gathered.done = true;
        request();
    }

    Taken take() {
        std::lock_guard lock(m_mutex);
        m_requested = false;
        return std::exchange(m_gathered, {});
    }

private:
    // With m_mutex held.
    void request() {
        if (m_requested) {
            return;
        }
        m_requested = true;
        QMetaObject::invokeMethod(
            m_window, [window = m_window, search = m_search] { window->takeResults(search); },
            Qt::QueuedConnection);
    }

    CDialogSearch* m_window;
    const std::uint64_t m_search;
    std::mutex m_mutex;
    Taken m_gathered;
    bool m_requested = false;
};

CDialogSearch::CDialogSearch(const SearchWindowServices& services, SearchWindowSetup setup)
    : m_services(services),
      m_setup(std::move(setup)),
      m_actions({services.document, services.prompt, services.drives, services.shell,
                 services.copies, services.host, services.members},
                m_setup.maySeeAll),
      m_autoStart(m_setup.startAtOnce) {
    setObjectName(QStringLiteral("CDialogSearch"));
    setModal(false);
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    setWindowTitle(toQt(m_setup.query.pattern));
    const QImage noImage(toQt(m_services.document.programFolder() + "noimage_search.jpg"));
    if (!noImage.isNull()) {
        m_noImage = resampled(noImage, kSearchCoverBox);
    }

    auto* top = new QWidget;
    top->setFixedHeight(kResultsTop - kResultsLeft);
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(createParameters(), 1);
    topLayout->addWidget(createPictureAndButtons());
    topLayout->addWidget(createCategoryLists());
    createResults();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kResultsLeft, kResultsLeft, kResultsRightGap, kResultsBottomGap);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(m_results, 1);

    const bool files = !m_autoStart || m_setup.query.mode != kSearchDiscs;
    (files ? m_filesRadio : m_discsRadio)->setChecked(true);
    onModeChanged();
    m_pattern->setText(toQt(m_setup.query.pattern));
    if (m_setup.query.scope == kScopeByCategory) {
        fillSelectedCategories();
    }
    for (std::string_view category : m_setup.catalogue.categories) {
        m_allCategories->addTopLevelItem(new QTreeWidgetItem({toQt(category)}));
    }
    m_progress->setRange(0, static_cast<int>(m_setup.catalogue.discs.size()));
    const bool dynamic =
        m_services.settings.readNumber(setting::kSettingsKey, setting::kEnableDynamic) != 0;
    m_filter->setVisible(dynamic);
    m_filter->setText(toQt(m_setup.query.pattern));
    m_lastFilter = m_setup.query.pattern;
    m_model->reset(files);
    showState(kSleeping);
    move(315, 150);
    resize(540, 600);
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
    connectTimers();
    if (dynamic) {
        m_filterTimer->start(kFilterTickMs);
    }
}

CDialogSearch::~CDialogSearch() {
    m_run.reset();
}

QWidget* CDialogSearch::createParameters() {
    m_filesRadio = new QRadioButton(QStringLiteral("Search Files"));
    m_filesRadio->setObjectName(QStringLiteral("filesRadio"));
    m_discsRadio = new QRadioButton(QStringLiteral("Search CD"));
    m_discsRadio->setObjectName(QStringLiteral("discsRadio"));
    connect(m_filesRadio, &QRadioButton::toggled, this, [this] { onModeChanged(); });
    auto* modes = new QHBoxLayout;
    modes->addWidget(m_filesRadio);
    modes->addWidget(m_discsRadio);

    m_pattern = lineEdit("patternEdit");
    m_inCd = lineEdit("inCdEdit");
    m_artist = lineEdit("artistEdit");
    m_folder = lineEdit("folderEdit");
    m_filter = lineEdit("filterEdit");
    for (QLineEdit* field : {m_pattern, m_inCd, m_artist, m_folder}) {
        connect(field, &QLineEdit::returnPressed, this, [this] { search(); });
    }
    auto* fields = new QFormLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    fields->setVerticalSpacing(2);
    fields->addRow(QStringLiteral("Pattern"), m_pattern);
    fields->addRow(QStringLiteral("In CD"), m_inCd);
    fields->addRow(QStringLiteral("By Artist"), m_artist);
    fields->addRow(QStringLiteral("In Folder"), m_folder);
    fields->addRow(QStringLiteral("Filter"), m_filter);

    m_searchButton = pushButton("searchButton", "Search");
    m_searchButton->setDefault(true);
    m_stopButton = pushButton("stopButton", "Stop");
    connect(m_searchButton, &QPushButton::clicked, this, [this] { search(); });
    connect(m_stopButton, &QPushButton::clicked, this, [this] { stop(); });
    m_foundItems = new QLabel(QStringLiteral("0"));
    m_foundItems->setObjectName(QStringLiteral("foundItems"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_searchButton);
    buttons->addWidget(m_stopButton);
    buttons->addWidget(new QLabel(QStringLiteral("Found Items")));
    buttons->addWidget(m_foundItems, 1);

    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setTextVisible(false);
    m_progress->setFixedHeight(8);
    m_action = new QLabel;
    m_action->setObjectName(QStringLiteral("currentAction"));

    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->setSpacing(3);
    layout->addLayout(modes);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(m_progress);
    layout->addWidget(m_action);
    layout->addStretch(1);
    return box;
}

QWidget* CDialogSearch::createPictureAndButtons() {
    m_cover = new QLabel;
    m_cover->setObjectName(QStringLiteral("coverPicture"));
    m_cover->setFixedSize(kSearchCoverBox.width + 4, kSearchCoverBox.height + 4);
    m_cover->setAlignment(Qt::AlignCenter);
    m_cover->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_cover->setPixmap(m_noImage);
    auto* image = new QGroupBox(QStringLiteral("Image"));
    auto* imageLayout = new QVBoxLayout(image);
    imageLayout->setContentsMargins(4, 2, 4, 4);
    imageLayout->addWidget(m_cover);

    auto* hide = new QToolButton;
    hide->setObjectName(QStringLiteral("hideButton"));
    hide->setToolTip(QStringLiteral("Hide"));
    hide->setIcon(style()->standardIcon(QStyle::SP_TitleBarMinButton));
    connect(hide, &QToolButton::clicked, this, [this] { QWidget::hide(); });
    auto* exporting = new QToolButton;
    exporting->setObjectName(QStringLiteral("exportButton"));
    exporting->setToolTip(QStringLiteral("Export to HTML"));
    exporting->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(exporting, &QToolButton::clicked, this, [this] { exportResults(); });
    m_closeButton = pushButton("closeButton", "Close");
    connect(m_closeButton, &QPushButton::clicked, this, [this] { closeWindow(); });
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(hide);
    pictures->addWidget(exporting);

    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->addWidget(image);
    layout->addLayout(pictures);
    layout->addWidget(m_closeButton);
    layout->addStretch(1);
    return box;
}

QWidget* CDialogSearch::createCategoryLists() {
    m_selectedCategories = categoryList("selectedCategories");
    m_allCategories = categoryList("allCategories");
    connect(m_selectedCategories, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& position) {
                QMenu menu;
                menu.addAction(QStringLiteral("Delete"), this,
                               [this] { deleteSelectedCategories(); });
                menu.exec(m_selectedCategories->viewport()->mapToGlobal(position));
            });
    connect(m_allCategories, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& position) {
                QMenu menu;
                menu.addAction(QStringLiteral("Search By this Cat"), this,
                               [this] { searchByCategory(true); });
                menu.addAction(QStringLiteral("Add To Search List"), this,
                               [this] { searchByCategory(false); });
                menu.exec(m_allCategories->viewport()->mapToGlobal(position));
            });
    connect(m_allCategories, &QTreeWidget::itemDoubleClicked, this,
            [this] { searchByCategory(true); });
    connect(m_selectedCategories->header(), &QHeaderView::sectionClicked, this,
            [this] { sortCategories(m_selectedCategories, m_selectedAscendingNext); });
    connect(m_allCategories->header(), &QHeaderView::sectionClicked, this,
            [this] { sortCategories(m_allCategories, m_allAscendingNext); });

    auto* box = new QWidget;
    box->setFixedWidth(130);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("Selected Categories")));
    layout->addWidget(m_selectedCategories, 1);
    layout->addWidget(new QLabel(QStringLiteral("All Categories")));
    layout->addWidget(m_allCategories, 1);
    return box;
}

void CDialogSearch::createResults() {
    m_model = new SearchResultsModel(this);
    m_results = new QTreeView;
    m_results->setObjectName(QStringLiteral("results"));
    m_results->setModel(m_model);
    m_results->setRootIsDecorated(false);
    m_results->setUniformRowHeights(true);
    m_results->setAllColumnsShowFocus(true);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setContextMenuPolicy(Qt::CustomContextMenu);
    m_results->header()->setSectionsClickable(true);
    m_results->header()->setStretchLastSection(false);
    connect(m_results->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { m_model->sortByColumn(column); });
    connect(m_results, &QTreeView::customContextMenuRequested, this,
            [this](const QPoint& position) { showResultsMenu(position); });
    connect(m_results, &QTreeView::doubleClicked, this, [this] {
        if (resultFiles()) {
            openCurrent();
        } else {
            goToDisc();
        }
    });
    connect(m_results->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showCover(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        const std::vector<ResultColumn>& columns = resultColumns(m_model->rows().files());
        for (std::size_t column = 0; column < columns.size(); ++column) {
            m_results->setColumnWidth(static_cast<int>(column), columns[column].width);
        }
    });
}

void CDialogSearch::connectTimers() {
    m_startTimer = new QTimer(this);
    connect(m_startTimer, &QTimer::timeout, this, [this] { searchAtOnce(); });
    m_startTimer->start(kStartTickMs);
    m_filterTimer = new QTimer(this);
    connect(m_filterTimer, &QTimer::timeout, this, [this] { onFilterTick(); });
}

void CDialogSearch::apply(SearchWindowWord word) {
    switch (word) {
        case SearchWindowWord::Show:
            showNormal();
            raise();
            break;
        case SearchWindowWord::Hide:
            hide();
            break;
        case SearchWindowWord::Minimize:
            showMinimized();
            break;
        case SearchWindowWord::Close:
            closeWindow();
            break;
    }
}

void CDialogSearch::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!m_busy && !m_closed) {
        closeWindow();
    }
}

bool CDialogSearch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        m_results->selectAll();
    }
    return QDialog::eventFilter(watched, event);
}

void CDialogSearch::reject() {
    hide();
}

void CDialogSearch::onModeChanged() {
    m_inCd->setEnabled(m_filesRadio->isChecked());
}

bool CDialogSearch::resultFiles() const {
    return m_model->rows().files();
}

void CDialogSearch::searchAtOnce() {
    m_startTimer->stop();
    if (!m_autoStart || m_started) {
        return;
    }
    m_model->reset(m_setup.query.mode != kSearchDiscs);
    runSearch(true);
    m_autoStart = false;
}

void CDialogSearch::runSearch(bool automatic) {
    if (m_busy || m_searching || m_closed) {
        return;
    }
    m_started = true;
    m_busy = true;
    showState("Search...");
    SearchQuery& query = m_setup.query;
    if (!automatic) {
        query.discNumber = fromQt(m_inCd->text());
        query.artist = fromQt(m_artist->text());
        query.folder = lowerCase(fromQt(m_folder->text()));
    }
    const std::string typed = fromQt(m_pattern->text());
    query.pattern = normalisedPattern(typed);
    query.mode = std::string(m_filesRadio->isChecked() ? kSearchFiles : kSearchDiscs);

    m_selectedCategories->clear();
    m_model->reset(query.mode == kSearchFiles);
    m_count = 0;
    m_foundItems->setText(QStringLiteral("0"));
    setWindowTitle(toQt(
        searchCaption({query.mode, query.pattern, query.folder, query.artist, query.discNumber})));
    if (query.scope == kScopeByCategory) {
        fillSelectedCategories();
    }
    if (query.scope != kScopeEverything && query.scope != kScopeByCategory) {
        m_busy = false;
        returnToIdle();
        return;
    }
    m_run.reset();
    m_receiver = std::make_unique<Forwarder>(this, ++m_search);
    m_searching = true;
    m_run = m_services.search.start(
        {typed, query.mode, query.scope, query.discNumber, query.artist, query.folder,
         query.combinator, m_setup.categories, m_setup.maySeeAll},
        *m_receiver);
    m_busy = false;
}

void CDialogSearch::found(std::size_t count, const std::string& lastNumber) {
    m_progress->setValue(std::clamp(std::atoi(lastNumber.c_str()), 0, m_progress->maximum()));
    m_count += count;
    m_foundItems->setText(QString::number(m_count));
}

void CDialogSearch::takeResults(std::uint64_t search) {
    // A stopped search's forwarder may be gone already; the current one is this search's.
    if (search != m_search || !m_searching) {
        return;
    }
    Forwarder::Taken taken = m_receiver->take();
    if (!taken.discs.empty()) {
        m_model->addDiscs(taken.discs);
        found(taken.discs.size(), taken.discs.back().number);
    }
    if (!taken.files.empty()) {
        m_model->addFiles(taken.files);
        found(taken.files.size(), taken.files.back().discNumber);
    }
    if (taken.done) {
        onSearchDone();
    }
}

void CDialogSearch::onSearchDone() {
    m_searching = false;
    m_busy = false;
    m_progress->setValue(0);
    m_model->keepShown();
    showState(kSleeping);
    m_foundItems->setText(QString::number(m_count));
    if (!resultFiles() && m_model->rowCount() > 0) {
        m_results->setCurrentIndex(m_model->index(0, 0));
        showCover();
    }
}

void CDialogSearch::stop() {
    if (m_searching) {
        m_run->stop();
        ++m_search;
        m_searching = false;
    }
    m_busy = false;
    m_model->keepShown();
    showState(kSleeping);
}

void CDialogSearch::closeWindow() {
    if (m_closed) {
        return;
    }
    m_open = false;
    m_busy = false;
    m_closed = true;
    m_filterTimer->stop();
    m_startTimer->stop();
    if (m_searching) {
        m_run->stop();
        ++m_search;
        m_searching = false;
    }
    hide();
    if (m_walking) {
        m_closedDuringWalk = true;
    } else if (m_setup.closed) {
        m_setup.closed();
    }
}

void CDialogSearch::showState(std::string_view action) {
    const bool idle = !m_busy && !m_searching;
    m_searchButton->setEnabled(idle);
    m_closeButton->setEnabled(idle);
    m_stopButton->setEnabled(!idle);
    m_action->setText(QStringLiteral("Current action : ") + toQt(action));
}

void CDialogSearch::returnToIdle() {
    showState(m_searching ? std::string_view("Search...") : kSleeping);
}

void CDialogSearch::onFilterTick() {
    if (m_searching) {
        return;
    }
    const std::string filter = fromQt(m_filter->text());
    if (filter == m_lastFilter) {
        return;
    }
    m_model->showFiltered(filter);
    m_lastFilter = filter;
    m_foundItems->setText(QString::number(m_model->rowCount()));
}

std::vector<SearchResultRow> CDialogSearch::selectedRows() const {
    QModelIndexList selected = m_results->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<SearchResultRow> rows;
    for (const QModelIndex& index : selected) {
        rows.push_back(m_model->rows()[static_cast<std::size_t>(index.row())]);
    }
    return rows;
}

const SearchResultRow* CDialogSearch::currentRow() const {
    const QModelIndex current = m_results->currentIndex();
    return current.isValid() ? &m_model->rows()[static_cast<std::size_t>(current.row())] : nullptr;
}

void CDialogSearch::showCover() {
    const SearchResultRow* row = currentRow();
    const CQXDisc* disc =
        row == nullptr ? nullptr : m_services.document.catalogue().findDisc(row->number);
    const std::vector<std::uint8_t>* bytes =
        row == nullptr ? nullptr : coverBytes(m_services.document.catalogue(), row->number);
    const QImage image = bytes == nullptr
                             ? QImage()
                             : QImage::fromData(bytes->data(), static_cast<int>(bytes->size()));
    if (image.isNull()) {
        m_cover->setPixmap(m_noImage);
        return;
    }
    const bool portrait = disc != nullptr && disc_info::hasPortraitCover(disc->info());
    m_cover->setPixmap(resampled(image, searchCoverSize(image.width(), portrait)));
}

void CDialogSearch::showResultsMenu(const QPoint& position) {
    QMenu menu;
    QAction* open = menu.addAction(QStringLiteral("Open"), this, [this] { openCurrent(); });
    open->setEnabled(m_filesRadio->isChecked());
    QMenu* disc = menu.addMenu(QStringLiteral("CD"));
    disc->addAction(QStringLiteral("Share CD"), this, [this] { shareDiscs(true); });
    disc->addAction(QStringLiteral("Unshare CD"), this, [this] { shareDiscs(false); });
    disc->addAction(QStringLiteral("Go to CD"), this, [this] { goToDisc(); });
    disc->addAction(QStringLiteral("Attach to Category"), this,
                    [this] { changeDiscCategories(true); });
    disc->addAction(QStringLiteral("Delete Category"), this,
                    [this] { changeDiscCategories(false); });
    QMenu* file = menu.addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Add to Playlist"), this, [this] { addToPlaylist(); });
    file->addAction(QStringLiteral("QX Help Playlist"), this,
                    [this] { m_services.document.onHelpPlaylist(); });
    file->addAction(QStringLiteral("Copy File to Hard Disc"), this, [this] { copyFiles(); });
    file->addAction(QStringLiteral("Go to File"), this,
                    [this] { m_actions.goToFile(currentRow(), resultFiles()); });
    file->addAction(QStringLiteral("Attach to Category"), this,
                    [this] { changeFileCategories(true); });
    file->addAction(QStringLiteral("Delete Category"), this,
                    [this] { changeFileCategories(false); });
    menu.exec(m_results->viewport()->mapToGlobal(position));
}

void CDialogSearch::openCurrent() {
    if (const SearchResultRow* row = currentRow(); row != nullptr && resultFiles()) {
        m_actions.open(*row);
    }
}

void CDialogSearch::goToDisc() {
    if (const SearchResultRow* row = currentRow(); row != nullptr && !resultFiles()) {
        m_actions.goToDisc(*row);
    }
}

void CDialogSearch::beginWalk(std::string_view action) {
    m_busy = true;
    m_walking = true;
    m_searchButton->setEnabled(false);
    m_closeButton->setEnabled(false);
    m_stopButton->setEnabled(true);
    m_action->setText(QStringLiteral("Current action : ") + toQt(action));
}

bool CDialogSearch::walkGoesOn() {
    QCoreApplication::processEvents();
    return m_busy && m_open;
}

void CDialogSearch::endWalk() {
    m_walking = false;
    if (m_closedDuringWalk && m_setup.closed) {
        m_closedDuringWalk = false;
        m_setup.closed();
    }
}

void CDialogSearch::shareDiscs(bool shared) {
    if (!m_actions.mayChangeDiscs(resultFiles())) {
        if (m_setup.maySeeAll) {
            if (CommandsPane* commands = commandsPanel(m_services.document)) {
                commands->refreshStatus();
            }
        }
        returnToIdle();
        return;
    }
    beginWalk(shared ? "Share CD ..." : "Unshare CD ...");
    const RowWalkEnd end =
        m_actions.shareDiscs(selectedRows(), shared, [this] { return walkGoesOn(); });
    const bool open = m_open;
    endWalk();
    if (open && end != RowWalkEnd::DiscMissing) {
        m_busy = false;
        search();
    }
}

void CDialogSearch::changeDiscCategories(bool attach) {
    if (!m_actions.mayChangeDiscs(resultFiles())) {
        returnToIdle();
        return;
    }
    beginWalk(attach ? "Add category to files..." : "Delete CD categories...");
    const auto goOn = [this] { return walkGoesOn(); };
    if (attach) {
        m_actions.attachDiscCategories(selectedRows(), chosenCategories(), goOn);
    } else {
        m_actions.deleteDiscCategories(selectedRows(), chosenCategories(), goOn);
    }
    m_busy = false;
    endWalk();
    returnToIdle();
}

void CDialogSearch::changeFileCategories(bool attach) {
    if (!m_actions.mayChangeFiles(resultFiles())) {
        returnToIdle();
        return;
    }
    beginWalk(attach ? "Add category to files..." : "Delete file categories ...");
    const auto goOn = [this] { return walkGoesOn(); };
    if (attach) {
        m_actions.attachFileCategories(selectedRows(), chosenCategories(), goOn);
    } else {
        m_actions.deleteFileCategories(selectedRows(), chosenCategories(), goOn);
    }
    m_busy = false;
    endWalk();
    returnToIdle();
}

void CDialogSearch::addToPlaylist() {
    if (resultFiles()) {
        m_actions.addToPlaylist(selectedRows());
    }
}

void CDialogSearch::copyFiles() {
    if (resultFiles()) {
        m_actions.copyFiles(selectedRows());
    }
}

void CDialogSearch::exportResults() {
    const bool discs = !resultFiles();
    static_cast<void>(HtmlExportFile(m_services.prompt).save([this, discs] {
        std::vector<SearchExportRow> rows;
        const SearchResultRows& shown = m_model->rows();
        for (std::size_t row = 0; row < shown.size(); ++row) {
            rows.push_back(
                {shown[row].name, shown[row].sizeText, shown[row].type, shown[row].location});
        }
        return searchExportPage(rows, discs, m_services.document.title(), todayDiscDateText());
    }));
}

std::vector<std::string> CDialogSearch::chosenCategories() const {
    std::vector<std::string> chosen;
    for (int row = 0; row < m_allCategories->topLevelItemCount(); ++row) {
        if (QTreeWidgetItem* item = m_allCategories->topLevelItem(row); item->isSelected()) {
            chosen.push_back(fromQt(item->text(0)));
        }
    }
    return chosen;
}

void CDialogSearch::fillSelectedCategories() {
    m_selectedCategories->clear();
    for (const std::string& category : m_setup.categories) {
        m_selectedCategories->addTopLevelItem(new QTreeWidgetItem({toQt(category)}));
    }
}

void CDialogSearch::searchByCategory(bool run) {
    m_setup.categories.clear();
    for (const std::string& category : chosenCategories()) {
        if (std::find(m_setup.categories.begin(), m_setup.categories.end(), category) ==
            m_setup.categories.end()) {
            m_setup.categories.push_back(category);
        }
    }
    fillSelectedCategories();
    m_setup.query.scope = std::string(kScopeByCategory);
    if (run) {
        search();
    }
}

void CDialogSearch::deleteSelectedCategories() {
    for (QTreeWidgetItem* item : m_selectedCategories->selectedItems()) {
        const std::string name = fromQt(item->text(0));
        const auto found = std::find(m_setup.categories.begin(), m_setup.categories.end(), name);
        if (found == m_setup.categories.end()) {
            m_services.prompt.message(kSearchDeleteErrorMessage);
            continue;
        }
        m_setup.categories.erase(found);
    }
    fillSelectedCategories();
}

void CDialogSearch::sortCategories(QTreeWidget* list, bool& ascendingNext) {
    list->sortItems(0, ascendingNext ? Qt::AscendingOrder : Qt::DescendingOrder);
    ascendingNext = !ascendingNext;
}

}  // namespace vorlix
