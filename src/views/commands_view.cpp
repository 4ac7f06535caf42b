#include "views/commands_view.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "accounts/ownership.h"
#include "app/catalogue_document.h"
#include "app/disc_number_commands.h"
#include "app/enter_routes.h"
#include "app/history_lists.h"
#include "app/lending_commands.h"
#include "app/setting_names.h"
#include "app/settings/settings_flags.h"
#include "app/ui/qt_text.h"
#include "core/user_prompt.h"
#include "scan/disc_insertion.h"
#include "scan/scan_request.h"
#include "scan/scanned_disc.h"
#include "scan/ui/scan_dialog.h"
#include "tasks/html_export/database_export.h"
#include "tasks/html_export/html_export_file.h"
#include "views/commands_pictures.h"
#include "views/completing_combo.h"
#include "views/digit_edit.h"
#include "views/logic/commands_cddb_query.h"
#include "views/logic/commands_search_start.h"
#include "views/logic/commands_statistics.h"
#include "views/logic/commands_status_text.h"

namespace vorlix {

namespace {

constexpr int kPictureSize = 24;
// How often the status line is built afresh from the chat component's state.
constexpr int kStatusInterval = 2000;
constexpr int kButtonColumns = 4;

QGroupBox* titledBox(const char* title, QLayout* content) {
    auto* box = new QGroupBox(QString::fromLatin1(title));
    content->setContentsMargins(6, 4, 6, 6);
    box->setLayout(content);
    return box;
}

QLineEdit* discField(QLineEdit* field, const char* name) {
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

bool isEnterKey(const QKeyEvent& key) {
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    // Ctrl+Enter, shown in two menu texts, is bound to nothing.
    return enter && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

CCommandsView::CCommandsView(CQX2Doc& document, const ViewServices& services,
                             const ScanServices& scan, const CommandsServices& commands,
                             QWidget* parent)
    : QFrame(parent),
      m_document(document),
      m_services(services),
      m_scan(scan),
      m_commands(commands),
      m_fields(document, services.prompt),
      m_searchWindows(commands.searchWindows) {
    setObjectName(toQt(kCommandsViewClass));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(createForm());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    m_statusTimer = new QTimer(this);
    m_statusTimer->setObjectName(QStringLiteral("statusTimer"));
    m_statusTimer->setInterval(kStatusInterval);
    connect(m_statusTimer, &QTimer::timeout, this, &CCommandsView::updateStatusText);

    m_document.addPane(*this);
}

CCommandsView::~CCommandsView() {
    m_document.removePane(*this);
}

std::string_view CCommandsView::paneClassName() const {
    return kCommandsViewClass;
}

QWidget* CCommandsView::createForm() {
    auto* form = new QWidget;
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);
    layout->addWidget(createButtons());
    layout->addWidget(createDiscBox());
    layout->addWidget(createFindBox());
    layout->addWidget(createSearchBox());
    layout->addWidget(createLendingBox());
    layout->addWidget(createStatsBox());
    layout->addStretch();
    return form;
}

QToolButton* CCommandsView::pictureButton(const char* name, const QIcon& icon,
                                          const char* toolTip) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(icon);
    button->setIconSize(QSize(kPictureSize, kPictureSize));
    button->setAutoRaise(true);
    button->setToolTip(QString::fromLatin1(toolTip));
    return button;
}

QToolButton* CCommandsView::commandButton(const char* name, const QIcon& icon, const char* toolTip,
                                          PaneCommand command) {
    QToolButton* button = pictureButton(name, icon, toolTip);
    connect(button, &QToolButton::clicked, this,
            [this, command] { m_document.onCommand(command); });
    return button;
}

QWidget* CCommandsView::createButtons() {
    QToolButton* server = pictureButton("serverButton", chatServerPicture(), "Show the QX server");
    connect(server, &QToolButton::clicked, this, [this] { m_document.onShowQxServer(); });
    QToolButton* playlists =
        pictureButton("playlistsButton", playlistsPicture(), "Manage playlists");
    connect(playlists, &QToolButton::clicked, this, [this] { m_document.onHelpPlaylist(); });
    QToolButton* exporting = pictureButton("exportButton", exportPicture(), "Export Databse");
    connect(exporting, &QToolButton::clicked, this, [this] { exportDatabase(); });
    QToolButton* options = pictureButton("optionsButton", optionsPicture(), "QX options");
    connect(options, &QToolButton::clicked, this, &CCommandsView::optionsRequested);

    QToolButton* const buttons[] = {
        commandButton("scanButton", scanPicture(), "Scan a CD\t\tCtrl + Y", PaneCommand::Scan),
        commandButton("findGapsButton", findGapsPicture(),
                      "Search for gaps in the CD index     Ctrl + G", PaneCommand::FindGaps),
        commandButton("deleteButton", deleteDiscPicture(), "Delete a CD     Del",
                      PaneCommand::DeleteDisc),
        commandButton("cddbButton", cddbPicture(), "CDDB query     Ctrl + D", PaneCommand::Cddb),
        server,
        playlists,
        exporting,
        options,
    };
    auto* bar = new QWidget;
    auto* grid = new QGridLayout(bar);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (int i = 0; i < static_cast<int>(std::size(buttons)); ++i) {
        grid->addWidget(buttons[i], i / kButtonColumns, i % kButtonColumns, Qt::AlignCenter);
    }
    return bar;
}

QWidget* CCommandsView::createDiscBox() {
    m_number = new DigitEdit;
    discField(m_number, "numberEdit");
    connect(m_number, &QLineEdit::textEdited, this, &CCommandsView::onNumberEdited);
    m_name = discField(new QLineEdit, "nameEdit");
    connect(m_name, &QLineEdit::textEdited, this,
            [this] { m_fields.nameEdited(fromQt(m_number->text()), fromQt(m_name->text())); });
    m_artist = discField(new QLineEdit, "artistEdit");
    m_quality = discField(new QLineEdit, "qualityEdit");
    for (QLineEdit* details : {m_artist, m_quality}) {
        connect(details, &QLineEdit::textEdited, this, &CCommandsView::onDetailsEdited);
    }
    m_location = discField(new QLineEdit, "locationText");
    m_location->setReadOnly(true);

    QToolButton* change =
        pictureButton("changeNumberButton", changeNumberPicture(), "Change number\t\tEnter");
    change->setIconSize(QSize(16, 16));
    connect(change, &QToolButton::clicked, this, &CCommandsView::changeNumber);
    auto* numberRow = new QHBoxLayout;
    numberRow->setSpacing(2);
    numberRow->addWidget(m_number, 1);
    numberRow->addWidget(change);

    m_saveNotes = pictureButton("saveNotesButton", saveNotesPicture(), "Save notes");
    m_saveNotes->setText(QStringLiteral("Save notes"));
    m_saveNotes->setIconSize(QSize(16, 16));
    m_saveNotes->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(m_saveNotes, &QToolButton::clicked, this,
            [this] { m_fields.storeDetails(fromQt(m_artist->text()), fromQt(m_quality->text())); });

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("CD Number"), numberRow);
    form->addRow(QStringLiteral("CD Name"), m_name);
    form->addRow(QStringLiteral("CD Artist"), m_artist);
    form->addRow(QStringLiteral("CD Quality"), m_quality);
    form->addRow(QStringLiteral("CD Location"), m_location);
    form->addRow(m_saveNotes);
    form->setAlignment(m_saveNotes, Qt::AlignRight);
    return titledBox("Current CD", form);
}

QWidget* CCommandsView::createFindBox() {
    m_findNumber = new DigitEdit;
    m_findNumber->setObjectName(QStringLiteral("findNumberEdit"));
    connect(m_findNumber, &QLineEdit::textEdited, this, [this] { m_fields.findNumberEdited(); });
    QToolButton* show = pictureButton("showDiscButton", showDiscPicture(), "Show CD\t\tEnter");
    show->setIconSize(QSize(16, 16));
    connect(show, &QToolButton::clicked, this, &CCommandsView::showDisc);

    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(new QLabel(QStringLiteral("CD Number:")));
    row->addWidget(m_findNumber, 1);
    row->addWidget(show);
    return titledBox("Find a CD by its Number:", row);
}

QWidget* CCommandsView::createSearchBox() {
    m_searchText = new CompletingCombo;
    m_searchText->setObjectName(QStringLiteral("searchCombo"));
    m_searchText->setHistory(
        [this] { return historyWords(m_document.catalogue(), kSearchHistory); });
    connect(m_searchText, &CompletingCombo::edited, this,
            [this] { m_document.setEnterTarget(EnterTarget::StartSearch); });
    connect(m_searchText, &CompletingCombo::backspaceReleased, this,
            [this] { onComboBackspace(m_searchText, EnterTarget::StartSearch); });
    QToolButton* search =
        commandButton("searchButton", searchPicture(), "Start Search Center", PaneCommand::Search);
    auto* patternRow = new QHBoxLayout;
    patternRow->setSpacing(2);
    patternRow->addWidget(m_searchText, 1);
    patternRow->addWidget(search);

    m_everything = new QRadioButton(QStringLiteral("Everything"));
    m_everything->setObjectName(QStringLiteral("everythingRadio"));
    m_everything->setChecked(true);
    m_byCategory = new QRadioButton(QStringLiteral("By Category"));
    m_byCategory->setObjectName(QStringLiteral("byCategoryRadio"));
    auto* scopeRow = new QHBoxLayout;
    scopeRow->addWidget(m_everything);
    scopeRow->addWidget(m_byCategory);
    scopeRow->addStretch();

    m_extras = new QCheckBox(QStringLiteral("Extras"));
    m_extras->setObjectName(QStringLiteral("extrasBox"));
    auto* wizard = new QPushButton(QStringLiteral("Help Wizard"));
    wizard->setObjectName(QStringLiteral("helpWizardButton"));
    wizard->setToolTip(QStringLiteral("Start Help Center"));
    connect(wizard, &QPushButton::clicked, this, &CCommandsView::helpWizardRequested);
    auto* extrasRow = new QHBoxLayout;
    extrasRow->addWidget(m_extras);
    extrasRow->addStretch();
    extrasRow->addWidget(wizard);

    auto* content = new QVBoxLayout;
    content->setSpacing(2);
    content->addLayout(patternRow);
    content->addLayout(scopeRow);
    content->addLayout(extrasRow);
    return titledBox("Search Manager", content);
}

QWidget* CCommandsView::createLendingBox() {
    m_lendName = new CompletingCombo;
    m_lendName->setObjectName(QStringLiteral("lendCombo"));
    m_lendName->setHistory([this] { return historyWords(m_document.catalogue(), kLendHistory); });
    connect(m_lendName, &CompletingCombo::edited, this,
            [this] { m_document.setEnterTarget(EnterTarget::Lend); });
    connect(m_lendName, &CompletingCombo::backspaceReleased, this,
            [this] { onComboBackspace(m_lendName, EnterTarget::Lend); });
    auto* lendRow = new QHBoxLayout;
    lendRow->setSpacing(2);
    lendRow->addWidget(m_lendName, 1);
    lendRow->addWidget(commandButton("lendButton", lendPicture(),
                                     "Lend discs to other persons\t\tEnter", PaneCommand::Lend));

    auto* listRow = new QHBoxLayout;
    listRow->setSpacing(2);
    listRow->addWidget(commandButton("getBackButton", getBackPicture(), "Get CD back     Ctrl + B",
                                     PaneCommand::GetBack));
    listRow->addWidget(commandButton("availableButton", availablePicture(),
                                     "Show all  available discs\tCtrl + H",
                                     PaneCommand::ShowAvailable));
    listRow->addWidget(commandButton("nonAvailableButton", nonAvailablePicture(),
                                     "Show all non-available Discs     Ctrl + X",
                                     PaneCommand::ShowNonAvailable));
    listRow->addStretch();

    auto* content = new QVBoxLayout;
    content->setSpacing(2);
    content->addLayout(lendRow);
    content->addLayout(listRow);
    return titledBox("CD Management", content);
}

QLabel* CCommandsView::statsText(QGridLayout* grid, const char* label, const char* name,
                                 bool detail) {
    // Each row holds a caption and its text.
    const int row = grid->count() / 2;
    auto* caption = new QLabel(QString::fromLatin1(label));
    auto* text = new QLabel;
    text->setObjectName(QString::fromLatin1(name));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(caption, row, 0);
    grid->addWidget(text, row, 1);
    if (detail) {
        m_statsDetails.insert(m_statsDetails.end(), {caption, text});
    }
    return text;
}

QWidget* CCommandsView::createStatsBox() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    m_count = statsText(grid, "Number of CDs", "countText", false);
    m_lastEntry = statsText(grid, "Last Entry", "lastEntryText", false);
    m_owner = statsText(grid, "Owner", "ownerText", true);
    m_shared = statsText(grid, "Shared", "sharedText", true);
    m_files = statsText(grid, "Files", "filesText", true);
    return titledBox("Stats", grid);
}

void CCommandsView::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (!m_displayed) {
        m_displayed = true;
        firstDisplay();
    }
}

void CCommandsView::firstDisplay() {
    m_document.setStatusText(firstStatusText(m_document.identity().logName, m_commands.chat));
    m_statusTimer->start();
    // Enter anywhere in the window that no field took for itself runs what the document names.
    window()->installEventFilter(this);
    if (m_document.hasDiscs()) {
        refreshDiscFields();
    }
    const SettingsStore& settings = m_services.settings;
    const bool completion = readFlag(settings, setting::kCombo);
    m_searchText->setCompletionOn(completion);
    m_lendName->setCompletionOn(completion);
    m_storeAtOnce = readFlag(settings, setting::kAutoNotes);
    m_saveNotes->setVisible(!m_storeAtOnce);
    m_extras->setChecked(readFlag(settings, setting::kExtraSearch));
    if (readFlag(settings, setting::kStats)) {
        refreshStatus();
    } else {
        for (QWidget* detail : m_statsDetails) {
            detail->hide();
        }
    }
}

bool CCommandsView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::KeyPress &&
        isEnterKey(*static_cast<QKeyEvent*>(event))) {
        runEnterTarget(m_document);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void CCommandsView::updateStatusText() {
    m_document.setStatusText(statusText(m_document.identity().logName, m_commands.chat));
}

void CCommandsView::runCommand(PaneCommand command) {
    switch (command) {
        case PaneCommand::Scan: {
            // A drive chosen in the categories panel's drive list is scanned at once.
            CategoriesPane* categories = categoriesPanel(m_document);
            startScan(categories != nullptr ? categories->takeScanDriveText() : std::string());
            break;
        }
        case PaneCommand::AddBlankDisc: {
            const std::size_t discs = m_document.catalogue().discs.size();
            addBlankDisc(m_document, m_scan.prompt);
            if (m_document.catalogue().discs.size() > discs) {
                showAddedDisc();
            }
            break;
        }
        case PaneCommand::FindGaps:
            m_commands.discNumbers.findGaps();
            break;
        case PaneCommand::Cddb:
            runCddbQuery();
            break;
        case PaneCommand::Lend:
            lend();
            break;
        case PaneCommand::GetBack:
            getBack();
            break;
        case PaneCommand::ShowAvailable:
            m_commands.lending.showAvailable();
            break;
        case PaneCommand::ShowNonAvailable:
            m_commands.lending.showNonAvailable(fromQt(m_lendName->currentText()));
            break;
        case PaneCommand::Search:
            startSearch();
            break;
        default:
            break;
    }
}

void CCommandsView::refreshDiscFields() {
    const CurrentDisc& disc = m_document.currentDisc();
    m_number->setText(toQt(disc.number()));
    m_name->setText(toQt(disc.name()));
    m_artist->setText(toQt(disc.artist()));
    m_quality->setText(toQt(disc.quality()));
    m_location->setText(toQt(disc.location()));
    const DiscCountTexts counts = discCountTexts(m_document.catalogue());
    m_count->setText(toQt(counts.count));
    m_lastEntry->setText(toQt(counts.lastEntry));
}

void CCommandsView::refreshStatus() {
    // An empty catalogue has no figures; the last ones stay.
    if (const auto statistics = catalogueStatistics(m_document.catalogue())) {
        m_owner->setText(toQt(statistics->owner));
        m_shared->setText(toQt(statistics->sharedCount));
        m_files->setText(toQt(statistics->fileTotal));
    }
}

void CCommandsView::showCatalogue() {
    refreshDiscFields();
    refreshStatus();
}

void CCommandsView::onNumberEdited() {
    if (const auto shown = m_fields.numberEdited(fromQt(m_number->text()))) {
        m_number->setText(toQt(*shown));
    }
}

void CCommandsView::onDetailsEdited() {
    m_fields.detailsEdited(fromQt(m_artist->text()), fromQt(m_quality->text()), m_storeAtOnce);
}

void CCommandsView::onComboBackspace(CompletingCombo* combo, EnterTarget target) {
    if (m_document.enterTarget() == target) {
        combo->cutAtSelection();
    }
}

void CCommandsView::changeNumber() {
    m_commands.discNumbers.changeNumber(fromQt(m_number->text()), fromQt(m_name->text()));
    refreshDiscFields();
}

void CCommandsView::showDisc() {
    if (!m_document.hasDiscs()) {
        return;
    }
    bool isInteger = false;
    const int number = m_findNumber->text().toInt(&isInteger);
    if (!isInteger || number < 1) {
        m_services.prompt.message(kFindNumberRangeMessage);
        return;
    }
    m_commands.discNumbers.showDisc(number);
}

void CCommandsView::storeDetails() {
    m_fields.storeDetails(fromQt(m_artist->text()), fromQt(m_quality->text()));
    refreshDiscFields();
}

void CCommandsView::lend() {
    if (m_commands.lending.lend(fromQt(m_lendName->currentText()))) {
        m_lendName->setEditText(QString());
        refreshDiscFields();
    }
}

void CCommandsView::getBack() {
    if (m_commands.lending.getBack()) {
        refreshDiscFields();
    }
}

void CCommandsView::runCddbQuery() {
    CddbQuery(m_document, m_services.prompt, m_commands.cddb).run();
    refreshDiscFields();
}

void CCommandsView::exportDatabase() {
    static_cast<void>(HtmlExportFile(m_services.prompt).save([this] {
        return databaseExportPage(m_document.catalogue(), m_document.title(), todayDiscDateText());
    }));
}

void CCommandsView::startSearch() {
    const CategoriesPane* categories = categoriesPanel(m_document);
    const auto request = panelSearchRequest(
        m_document, m_services.prompt, fromQt(m_searchText->currentText()),
        m_byCategory->isChecked() ? SearchScope::ByCategory : SearchScope::Everything,
        categories != nullptr ? categories->selectedCategories() : std::vector<std::string>());
    if (request) {
        openWindowFor(*request);
    }
}

void CCommandsView::openSearchWindow(const SearchQuery& query, bool startAtOnce) {
    if (!m_document.hasDiscs()) {
        return;
    }
    const CategoriesPane* categories = categoriesPanel(m_document);
    openWindowFor(searchRequestFor(
        m_document, query,
        categories != nullptr ? categories->selectedCategories() : std::vector<std::string>(),
        startAtOnce));
}

void CCommandsView::openWindowFor(const SearchRequest& request) {
    // A window tells of its closing from within its own handlers; it is ended afterwards.
    m_searchWindows.open(request, m_document.catalogue(), [this] {
        QMetaObject::invokeMethod(
            this, [this] { m_searchWindows.removeClosed(); }, Qt::QueuedConnection);
    });
}

void CCommandsView::applyToSearchWindows(SearchWindowWord word) {
    m_searchWindows.apply(word);
}

void CCommandsView::closeSearchWindows() {
    m_searchWindows.closeAll();
}

void CCommandsView::startScan(const std::string& preselectedDrive) {
    if (scanOpen()) {
        return;
    }
    if (m_document.hasDiscs() && !m_document.checkOwner()) {
        return;
    }
    ScanRequest request =
        makeScanRequest(m_document.catalogue(), m_document.identity(), preselectedDrive);
    m_scanDialog = new CDialogScan(
        std::move(request), m_scan,
        ScanDialogHandlers{[this](SavedScan saved) { onDiscSaved(std::move(saved)); },
                           [this] { onScanClosed(); }},
        this);
    m_scanDialog->show();
}

void CCommandsView::onDiscSaved(SavedScan saved) {
    // The marker goes first: the automatic save that may follow must not find a scan running.
    dropScanDialog();
    insertDisc(m_document, std::move(saved.disc), saved.autoSave, m_scan.prompt);
    showAddedDisc();
}

void CCommandsView::onScanClosed() {
    dropScanDialog();
}

void CCommandsView::showAddedDisc() {
    if (DiscTreePane* tree = discTree(m_document)) {
        tree->addDiscItem(*m_document.catalogue().discs.back());
    }
    if (CategoriesPane* categories = categoriesPanel(m_document)) {
        categories->refreshForCurrentDisc();
    }
    refreshDiscFields();
    refreshStatus();
}

void CCommandsView::dropScanDialog() {
    // The dialog deletes itself once its scan thread is done with it, which may take a drive's
    // while; waiting for that here would freeze the window.
    m_scanDialog = nullptr;
}

}  // namespace vorlix
