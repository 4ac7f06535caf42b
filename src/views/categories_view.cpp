#include "views/categories_view.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/catalogue_document.h"
#include "app/enter_routes.h"
#include "app/setting_names.h"
#include "app/settings/settings_flags.h"
#include "app/ui/qt_text.h"
#include "views/categories_drive_probe.h"
#include "views/categories_list_model.h"
#include "views/categories_panel_list.h"
#include "views/categories_pictures.h"
#include "views/logic/categories_cover_thumbnail.h"
#include "views/logic/categories_disc_details.h"

namespace vorlix {

namespace {

constexpr int kDriveListInterval = 5000;
constexpr int kCategoryColumnWidth = 100;
constexpr int kDriveColumnWidth = 300;

QGroupBox* titledBox(const char* title, QLayout* content) {
    auto* box = new QGroupBox(QString::fromLatin1(title));
    content->setContentsMargins(4, 4, 4, 4);
    box->setLayout(content);
    return box;
}

CategoriesPanelList* categoryList(const char* name, CategoryListModel* model) {
    auto* list = new CategoriesPanelList;
    list->setObjectName(QString::fromLatin1(name));
    list->setModel(model);
    list->header()->setStretchLastSection(false);
    list->header()->resizeSection(0, kCategoryColumnWidth);
    return list;
}

}  // namespace

CCategoriesView::CCategoriesView(CQX2Doc& document, const ViewServices& services, QWidget* parent)
    : QFrame(parent),
      m_document(document),
      m_services(services),
      m_editor(document, services.prompt),
      m_viewCommands(document, services.prompt),
      m_defaultPicture(defaultThumbnail(document.programFolder() + "noimage.jpg")) {
    setObjectName(toQt(kCategoriesViewClass));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(createForm());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    m_driveTimer = new QTimer(this);
    m_driveTimer->setObjectName(QStringLiteral("driveTimer"));
    m_driveTimer->setInterval(kDriveListInterval);
    // A scan dialog reads its drive itself; the periodic queries would only compete with it.
    connect(m_driveTimer, &QTimer::timeout, this, [this] {
        if (!m_document.scanInProgress()) {
            refreshDrives();
        }
    });
    m_driveProbe = new CategoriesDriveProbe(services.drives, this);
    connect(m_driveProbe, &CategoriesDriveProbe::probed, this, &CCategoriesView::showDrives);

    refreshForCurrentDisc();
    m_document.addPane(*this);
}

CCategoriesView::~CCategoriesView() {
    m_document.removePane(*this);
}

std::string_view CCategoriesView::paneClassName() const {
    return kCategoriesViewClass;
}

void CCategoriesView::runCommand(PaneCommand command) {
    if (command == PaneCommand::ViewAllOnTree) {
        m_viewCommands.showCompleteTree();
    }
}

QWidget* CCategoriesView::createForm() {
    auto* form = new QWidget;
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);
    layout->addWidget(createNewCategoryBox());
    layout->addWidget(createAllCategoriesBox(), 3);
    layout->addWidget(createAttachedBox(), 2);
    layout->addWidget(createCover(), 0, Qt::AlignHCenter);
    layout->addWidget(createPriceBox());
    layout->addWidget(createNotesBox(), 2);
    layout->addWidget(createDriveList(), 1);
    return form;
}

QWidget* CCategoriesView::createNewCategoryBox() {
    m_newCategory = new QLineEdit;
    m_newCategory->setObjectName(QStringLiteral("newCategoryEdit"));
    m_newCategory->installEventFilter(this);
    connect(m_newCategory, &QLineEdit::textEdited, this,
            [this] { m_document.setEnterTarget(EnterTarget::CreateCategory); });
    // Enter runs what the document names, which is creating the category once a name was typed.
    connect(m_newCategory, &QLineEdit::returnPressed, this, [this] { runEnterTarget(m_document); });

    auto* create = new QToolButton;
    create->setObjectName(QStringLiteral("createCategoryButton"));
    create->setIcon(createCategoryIcon());
    create->setAutoRaise(true);
    create->setToolTip(QStringLiteral("Create new category\t\tEnter"));
    connect(create, &QToolButton::clicked, this, &CCategoriesView::createCategory);

    auto* row = new QHBoxLayout;
    row->addWidget(m_newCategory, 1);
    row->addWidget(create);
    return titledBox("Create New Categories", row);
}

QWidget* CCategoriesView::createAllCategoriesBox() {
    m_allModel = new CategoryListModel(QStringLiteral("Category Sort"), categoryIcon(), this);
    m_allModel->setRenameHandler([this](const std::string& oldName, const std::string& newName) {
        return renameCategory(oldName, newName);
    });
    m_allList = categoryList("allCategoriesList", m_allModel);
    m_allList->setEditPermission([this] {
        if (!m_editor.mayRename()) {
            return false;
        }
        // A Delete key pressed after a rename must not delete the renamed category.
        m_document.setEnterTarget(EnterTarget::None);
        return true;
    });
    m_allList->header()->setSectionsClickable(true);
    connect(m_allList->header(), &QHeaderView::sectionClicked, m_allModel,
            &CategoryListModel::toggleOrder);
    connect(m_allList, &CategoriesPanelList::listPressed, this,
            &CCategoriesView::onAllCategoriesPressed);
    connect(m_allList, &CategoriesPanelList::deleteReleased, this,
            &CCategoriesView::onDeleteReleased);
    connect(m_allList, &QAbstractItemView::doubleClicked, this,
            [this] { m_viewCommands.viewDiscsOnList(m_allList->selectedTexts()); });
    connect(m_allList, &QWidget::customContextMenuRequested, this,
            &CCategoriesView::showAllCategoriesMenu);

    auto* content = new QVBoxLayout;
    content->addWidget(m_allList);
    return titledBox("List of All Categories", content);
}

QWidget* CCategoriesView::createAttachedBox() {
    m_attachedModel = new CategoryListModel(QStringLiteral("Category Sort"), categoryIcon(), this);
    m_attachedList = categoryList("attachedCategoriesList", m_attachedModel);
    m_attachedList->setHeaderHidden(true);
    connect(m_attachedList, &CategoriesPanelList::listPressed, this,
            [this] { m_document.setEnterTarget(EnterTarget::ShowDisc); });
    connect(m_attachedList, &CategoriesPanelList::deleteReleased, this,
            &CCategoriesView::onDeleteReleased);
    connect(m_attachedList, &QWidget::customContextMenuRequested, this,
            &CCategoriesView::showAttachedMenu);

    auto* content = new QVBoxLayout;
    content->addWidget(m_attachedList);
    return titledBox("Categories, Attached to a CD", content);
}

QWidget* CCategoriesView::createCover() {
    m_cover = new QLabel;
    m_cover->setObjectName(QStringLiteral("coverThumbnail"));
    m_cover->setToolTip(QStringLiteral("CD Cover Thumbnail"));
    m_cover->setFixedSize(kThumbnailBox.width + 4, kThumbnailBox.height + 4);
    m_cover->setAlignment(Qt::AlignCenter);
    m_cover->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return m_cover;
}

QWidget* CCategoriesView::createPriceBox() {
    m_newPrice = new QLabel;
    m_newPrice->setObjectName(QStringLiteral("newPriceText"));
    m_usedPrice = new QLabel;
    m_usedPrice->setObjectName(QStringLiteral("usedPriceText"));
    auto* content = new QFormLayout;
    content->addRow(QStringLiteral("New :"), m_newPrice);
    content->addRow(QStringLiteral("Used :"), m_usedPrice);
    return titledBox("CD Price", content);
}

QWidget* CCategoriesView::createNotesBox() {
    m_notes = new QPlainTextEdit;
    m_notes->setObjectName(QStringLiteral("notesEdit"));
    m_notes->setMinimumHeight(48);
    connect(m_notes, &QPlainTextEdit::textChanged, this, &CCategoriesView::onNotesEdited);

    auto* save = new QPushButton(QStringLiteral("Save Notes"));
    save->setObjectName(QStringLiteral("saveNotesButton"));
    connect(save, &QPushButton::clicked, this, &CCategoriesView::saveNotes);

    auto* content = new QVBoxLayout;
    content->addWidget(m_notes, 1);
    content->addWidget(save, 0, Qt::AlignRight);
    return titledBox("Notes", content);
}

QWidget* CCategoriesView::createDriveList() {
    m_driveModel = new QStandardItemModel(0, 1, this);
    m_driveModel->setHorizontalHeaderLabels({QStringLiteral("In drive")});
    m_driveList = new CategoriesPanelList;
    m_driveList->setObjectName(QStringLiteral("driveList"));
    m_driveList->setModel(m_driveModel);
    m_driveList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_driveList->setMinimumHeight(90);
    m_driveList->header()->setStretchLastSection(false);
    m_driveList->header()->resizeSection(0, kDriveColumnWidth);
    connect(m_driveList, &CategoriesPanelList::listPressed, this,
            [this] { m_document.setEnterTarget(EnterTarget::DriveList); });
    connect(m_driveList, &QAbstractItemView::doubleClicked, this,
            &CCategoriesView::scanSelectedDrive);
    connect(m_driveList, &QWidget::customContextMenuRequested, this,
            &CCategoriesView::showDriveMenu);
    return m_driveList;
}

void CCategoriesView::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (!m_displayed) {
        m_displayed = true;
        firstDisplay();
    }
}

bool CCategoriesView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_newCategory && event->type() == QEvent::FocusIn) {
        m_document.setEnterTarget(EnterTarget::ChangeNumber);
    }
    return QFrame::eventFilter(watched, event);
}

void CCategoriesView::firstDisplay() {
    showCatalogue();
    m_driveTimer->start();
    refreshDrives();
    if (readFlag(m_services.settings, setting::kMinimized) && !m_document.hasDiscs()) {
        // Queued, so that the main window is not hidden while it is still being shown.
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT hideToTrayRequested(); }, Qt::QueuedConnection);
    }
}

void CCategoriesView::showCatalogue() {
    if (readFlag(m_services.settings, setting::kDefCats)) {
        m_editor.addDefaults();
    }
    m_allModel->resetOrder();
    refillAllCategories();
    refreshForCurrentDisc();
}

void CCategoriesView::refillAllCategories() {
    m_allModel->setNames(m_document.catalogue().categories.toVector());
}

void CCategoriesView::refreshForCurrentDisc() {
    const DiscDetails details = discDetails(m_document.currentDisc().info());
    showNotes(details.notes);
    refillAttachedCategories();
    showCover(details.portraitCover);
    m_newPrice->setText(toQt(details.newPrice));
    m_usedPrice->setText(toQt(details.usedPrice));
}

void CCategoriesView::refillAttachedCategories() {
    m_attachedModel->setNames(m_document.currentDisc().categories().toVector());
}

void CCategoriesView::showNotes(const std::string& notes) {
    m_showingNotes = true;
    m_notes->setPlainText(toQt(notesForEditing(notes)));
    m_notes->setReadOnly(!m_editor.mayEditNotes());
    m_showingNotes = false;
}

void CCategoriesView::showCover(bool portrait) {
    const std::string number(m_document.currentDisc().number());
    const std::vector<std::uint8_t>* bytes =
        number.empty() ? nullptr : coverBytes(m_document.catalogue(), number);
    QPixmap picture = bytes == nullptr ? QPixmap() : coverThumbnail(*bytes, portrait);
    m_cover->setPixmap(picture.isNull() ? m_defaultPicture : picture);
}

std::string CCategoriesView::takeScanDriveText() {
    return std::exchange(m_scanDriveText, {});
}

std::vector<std::string> CCategoriesView::selectedCategories() const {
    return m_allList->selectedTexts();
}

void CCategoriesView::createCategory() {
    if (m_editor.create(fromQt(m_newCategory->text()))) {
        refillAllCategories();
        m_newCategory->clear();
    }
}

void CCategoriesView::saveNotes() {
    m_editor.saveNotes(notesForRecord(fromQt(m_notes->toPlainText())));
}

void CCategoriesView::onNotesEdited() {
    if (m_showingNotes) {
        return;
    }
    m_document.setEnterTarget(EnterTarget::SaveNotes);
    m_editor.notesChanged(notesForRecord(fromQt(m_notes->toPlainText())));
}

void CCategoriesView::refreshDrives() {
    m_driveProbe->start();
}

// Rows are rewritten in place while the drives stay the same, so a chosen row stays chosen
// across the periodic refresh.
void CCategoriesView::showDrives(const std::vector<DriveProbe>& probes) {
    const auto rows = static_cast<int>(probes.size());
    if (m_driveModel->rowCount() != rows) {
        m_driveModel->setRowCount(0);
        for (int row = 0; row < rows; ++row) {
            auto* item = new QStandardItem(driveIcon(), QString());
            item->setEditable(false);
            m_driveModel->appendRow(item);
        }
    }
    for (int row = 0; row < rows; ++row) {
        m_driveModel->item(row)->setText(
            toQt(driveRowText(probes[static_cast<std::size_t>(row)], m_document.catalogue())));
    }
}

void CCategoriesView::onAllCategoriesPressed() {
    m_document.setEnterTarget(EnterTarget::AllCategoriesList);
    m_document.categoryFilter() = m_allList->selectedTexts();
}

void CCategoriesView::onDeleteReleased() {
    if (!m_document.hasDiscs()) {
        return;
    }
    switch (m_document.enterTarget()) {
        case EnterTarget::ShowDisc:
            detachSelected();
            break;
        case EnterTarget::AllCategoriesList:
            deleteSelected();
            break;
        default:
            return;
    }
    m_document.setEnterTarget(EnterTarget::None);
}

bool CCategoriesView::contextMenuAllowed(const CategoriesPanelList& list, EnterTarget target,
                                         bool needsDisc) const {
    return m_document.enterTarget() == target && list.selectionModel()->hasSelection() &&
           (!needsDisc || m_document.hasDiscs());
}

void CCategoriesView::showAllCategoriesMenu(const QPoint& position) {
    if (!contextMenuAllowed(*m_allList, EnterTarget::AllCategoriesList, true)) {
        return;
    }
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("allCategoriesMenu"));
    QAction* attachToDisc = menu.addAction(QStringLiteral("Attach to CD"));
    QAction* attachToFile = menu.addAction(QStringLiteral("Attach to a File"));
    menu.addSeparator();
    QAction* rename = menu.addAction(QStringLiteral("Rename"));
    QAction* remove = menu.addAction(QStringLiteral("Delete"));
    menu.addSeparator();
    QAction* viewOnList = menu.addAction(QStringLiteral("View CDs on List"));
    QAction* viewOnTree = menu.addAction(QStringLiteral("View CD's on Tree"));
    QAction* completeTree = menu.addAction(QStringLiteral("Show the Complete CD Tree"));
    completeTree->setEnabled(!m_document.wholeTreeShown());
    QAction* viewFiles = menu.addAction(QStringLiteral("View Files"));

    const QAction* chosen = menu.exec(m_allList->viewport()->mapToGlobal(position));
    if (chosen == attachToDisc) {
        this->attachToDisc();
    } else if (chosen == attachToFile) {
        attachToFiles();
    } else if (chosen == rename) {
        renameAtSelectionMark();
    } else if (chosen == remove) {
        deleteSelected();
    } else if (chosen == viewOnList) {
        m_viewCommands.viewDiscsOnList(m_allList->selectedTexts());
    } else if (chosen == viewOnTree) {
        m_viewCommands.viewOnTree(m_allList->selectedTexts());
    } else if (chosen == completeTree) {
        m_viewCommands.showCompleteTree();
    } else if (chosen == viewFiles) {
        m_viewCommands.viewFiles(m_allList->selectedTexts());
    }
}

void CCategoriesView::showAttachedMenu(const QPoint& position) {
    if (!contextMenuAllowed(*m_attachedList, EnterTarget::ShowDisc, true)) {
        return;
    }
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("attachedCategoriesMenu"));
    QAction* remove = menu.addAction(QStringLiteral("Delete"));
    if (menu.exec(m_attachedList->viewport()->mapToGlobal(position)) == remove) {
        detachSelected();
    }
}

void CCategoriesView::showDriveMenu(const QPoint& position) {
    if (!contextMenuAllowed(*m_driveList, EnterTarget::DriveList, false)) {
        return;
    }
    m_document.setEnterTarget(EnterTarget::None);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("driveMenu"));
    QAction* scan = menu.addAction(QStringLiteral("Scan Drive"));
    if (menu.exec(m_driveList->viewport()->mapToGlobal(position)) == scan) {
        scanSelectedDrive();
    }
}

void CCategoriesView::attachToDisc() {
    if (m_editor.attachToCurrentDisc(m_allList->selectedTexts())) {
        refillAttachedCategories();
    }
}

void CCategoriesView::attachToFiles() {
    FileListPane* files = fileList(m_document);
    if (files != nullptr &&
        m_editor.attachToFiles(m_allList->selectedTexts(), files->selectedEntries())) {
        refreshForCurrentDisc();
    }
}

void CCategoriesView::renameAtSelectionMark() {
    const QModelIndex mark = m_allList->currentIndex();
    if (mark.isValid()) {
        m_allList->edit(mark);
    }
}

void CCategoriesView::deleteSelected() {
    const std::vector<std::string> names = m_allList->selectedTexts();
    if (!names.empty() && m_editor.remove(names)) {
        refillAllCategories();
        refreshForCurrentDisc();
    }
}

void CCategoriesView::detachSelected() {
    const std::vector<std::string> names = m_attachedList->selectedTexts();
    if (!names.empty() && m_editor.detachFromCurrentDisc(names)) {
        refillAttachedCategories();
    }
}

bool CCategoriesView::renameCategory(const std::string& oldName, const std::string& newName) {
    if (!m_editor.rename(oldName, newName)) {
        return false;
    }
    refreshForCurrentDisc();
    return true;
}

void CCategoriesView::scanSelectedDrive() {
    const QModelIndexList rows = m_driveList->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return;
    }
    m_scanDriveText = scanDriveText(fromQt(rows.front().data().toString()));
    // This scan takes the drive; a later scan from the menu or the commands panel asks for
    // one again.
    if (CommandsPane* commands = commandsPanel(m_document)) {
        commands->startScan(takeScanDriveText());
    }
}

}  // namespace vorlix
