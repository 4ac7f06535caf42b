#include "views/left_view.h"

#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>

#include "accounts/disc_sharing.h"
#include "accounts/ownership.h"
#include "app/catalogue_document.h"
#include "app/setting_names.h"
#include "app/settings/settings_flags.h"
#include "app/ui/qt_text.h"
#include "core/disc_info.h"
#include "core/text_case.h"
#include "core/user_prompt.h"
#include "online/cover_store.h"
#include "online/request_pacer.h"
#include "online/ui/cover_dialog_services.h"
#include "online/ui/dialog_cd_info.h"
#include "online/ui/dialog_cover_search.h"
#include "views/disc_tree_model.h"
#include "views/disc_tree_widget.h"
#include "views/logic/disc_tree_cddb_reset.h"
#include "views/logic/disc_tree_covers.h"
#include "views/logic/disc_tree_names.h"
#include "views/logic/disc_tree_renumber.h"
#include "views/logic/disc_tree_visibility.h"

namespace vorlix {

namespace {

constexpr int kSmallIconSize = 16;
constexpr int kLargeIconSize = 24;
// Room the style leaves around an item's icon and label, for telling a click on the label from
// a click on the empty rest of its row.
constexpr int kLabelMargins = 12;

QModelIndex discOf(QModelIndex index) {
    while (index.parent().isValid()) {
        index = index.parent();
    }
    return index;
}

bool isFolder(const QModelIndex& index) {
    return index.parent().isValid();
}

}  // namespace

CLeftView::CLeftView(CQX2Doc& document, const ViewServices& services, QWidget* parent)
    : QFrame(parent),
      m_document(document),
      m_services(services),
      m_model(new DiscTreeModel(this)),
      m_tree(new DiscTreeWidget(this)),
      m_musicBrainzPacer(std::make_shared<RequestPacer>(std::chrono::seconds(1))) {
    setObjectName(toQt(kLeftViewClass));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_tree->setObjectName(QStringLiteral("discTree"));
    m_tree->setFrameShape(QFrame::NoFrame);
    m_tree->setModel(m_model);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);

    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { onSelectionChanged(); });
    connect(m_tree, &DiscTreeWidget::labelEditEnded, this, &CLeftView::onLabelEditEnded);
    connect(m_tree, &DiscTreeWidget::rightButtonPressed, this, &CLeftView::onRightButtonPressed);
    connect(m_tree, &DiscTreeWidget::rightButtonReleased, this, &CLeftView::onRightButtonReleased);
    connect(m_tree, &DiscTreeWidget::deleteKeyReleased, this, [this] { deleteDisc(); });

    m_document.addPane(*this);
    applyIconSize(m_document.treeLargeIcons());
    // The stored icon size goes through the View command so that the document's menu state
    // agrees with what the tree shows.
    const bool large = readFlag(m_services.settings, setting::kLargeTreeIcons);
    if (large != m_document.treeLargeIcons()) {
        m_document.onCommand(large ? PaneCommand::TreeLargeIcons : PaneCommand::TreeSmallIcons);
    }
    fill();
    m_document.publishTreeCatalogue();
}

CLeftView::~CLeftView() {
    // Closing the window ends an open label edit and clears the selection; neither may reach
    // this pane once it is being destroyed.
    m_tree->disconnect(this);
    m_tree->selectionModel()->disconnect(this);
    m_document.removePane(*this);
}

std::string_view CLeftView::paneClassName() const {
    return kLeftViewClass;
}

void CLeftView::runCommand(PaneCommand command) {
    switch (command) {
        case PaneCommand::TreeSmallIcons:
        case PaneCommand::TreeLargeIcons:
            applyIconSize(m_document.treeLargeIcons());
            writeFlag(m_services.settings, setting::kLargeTreeIcons, m_document.treeLargeIcons());
            break;
        case PaneCommand::ViewAllOnTree:
            m_document.categoryFilter().clear();
            rebuildByCategories();
            break;
        case PaneCommand::DeleteDisc:
            deleteDisc();
            break;
        case PaneCommand::DiscInfo:
            showDiscInformation();
            break;
        case PaneCommand::SetBlankCover:
            setBlankCover();
            break;
        default:
            break;
    }
}

void CLeftView::fill() {
    showDiscs({});
}

void CLeftView::selectFirstDisc() {
    if (m_model->discCount() > 0) {
        select(m_model->index(0, 0));
    }
}

void CLeftView::rebuildByCategories() {
    showDiscs(m_document.categoryFilter());
}

void CLeftView::showDiscs(const std::vector<std::string>& categoryFilter) {
    m_refilling = true;
    const CQXCatalog& catalogue = m_document.catalogue();
    const DiscVisibility visibility(catalogue, m_document.identity());
    std::vector<std::unique_ptr<DiscTreeItem>> items;
    items.reserve(catalogue.discs.size());
    for (const auto& disc : catalogue.discs) {
        if (matchesCategoryFilter(*disc, categoryFilter) && visibility.shows(*disc)) {
            items.push_back(discTreeItems(*disc));
        }
    }
    m_model->setDiscs(std::move(items));
    m_refilling = false;
    // The other panes show the current disc, so it must be the disc of the selected item: the
    // same disc when the tree still shows it, otherwise none.
    const std::string number(m_document.currentDisc().number());
    const QModelIndex current = exactDiscItem(number);
    if (current.isValid()) {
        select(current);
    } else if (!number.empty()) {
        showNoDisc();
    }
}

void CLeftView::showNoDisc() {
    m_document.setCurrentDisc(CQXDisc{});
    if (FileListPane* files = fileList(m_document)) {
        files->clear();
    }
    if (CommandsPane* commands = commandsPanel(m_document)) {
        commands->refreshDiscFields();
    }
    if (CategoriesPane* categories = categoriesPanel(m_document)) {
        categories->refreshForCurrentDisc();
    }
}

void CLeftView::addDiscItem(const CQXDisc& disc) {
    select(m_model->insertDisc(m_model->discCount(), discTreeItems(disc)));
}

bool CLeftView::selectDisc(const std::string& number) {
    const QModelIndex item = exactDiscItem(number);
    if (!item.isValid()) {
        return false;
    }
    select(item);
    return true;
}

void CLeftView::collapseDisc(const std::string& number) {
    const QModelIndex item = exactDiscItem(number);
    if (item.isValid()) {
        m_tree->collapse(item);
    }
}

std::string CLeftView::selectedItemPath() const {
    return itemPath(selectedIndex());
}

std::string CLeftView::itemPath(const QModelIndex& index) const {
    std::vector<std::string> texts;
    for (QModelIndex item = index; item.isValid(); item = item.parent()) {
        texts.push_back(fromQt(item.data().toString()));
    }
    std::reverse(texts.begin(), texts.end());
    return joinItemPath(texts);
}

QModelIndex CLeftView::findDiscItem(std::string_view number) const {
    const QModelIndex exact = exactDiscItem(number);
    return exact.isValid() ? exact : m_model->index(0, 0);
}

QModelIndex CLeftView::exactDiscItem(std::string_view number) const {
    for (int row = 0; row < m_model->discCount(); ++row) {
        const QModelIndex disc = m_model->index(row, 0);
        if (discNumberOfItem(fromQt(disc.data().toString())) == number) {
            return disc;
        }
    }
    return {};
}

QModelIndex CLeftView::selectedIndex() const {
    return m_tree->selectionModel()->selectedIndexes().value(0);
}

void CLeftView::select(const QModelIndex& index) {
    m_tree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_tree->scrollTo(index);
}

QModelIndex CLeftView::selectDiscOfSelection(bool collapse) {
    QModelIndex item = selectedIndex();
    if (!item.isValid()) {
        return {};
    }
    while (isFolder(item)) {
        item = item.parent();
        if (collapse) {
            m_tree->collapse(item);
        }
    }
    select(item);
    return item;
}

void CLeftView::onSelectionChanged() {
    const QModelIndex item = selectedIndex();
    if (m_refilling || !item.isValid()) {
        return;
    }
    const QModelIndex discItem = discOf(item);
    const CQXDisc* disc =
        m_document.catalogue().findDisc(discNumberOfItem(fromQt(discItem.data().toString())));
    if (disc == nullptr) {
        return;
    }
    m_document.setCurrentDisc(*disc);
    FileListPane* files = fileList(m_document);
    if (files != nullptr && !isFolder(item)) {
        files->showFolder(itemPath(item));
    }
    if (CommandsPane* commands = commandsPanel(m_document)) {
        commands->refreshDiscFields();
    }
    if (CategoriesPane* categories = categoriesPanel(m_document)) {
        categories->refreshForCurrentDisc();
    }
    if (files != nullptr && isFolder(item)) {
        files->showFolder(itemPath(item));
    }
    if (m_infoWindow != nullptr && m_infoWindow->isVisible()) {
        fillInformation();
    }
}

void CLeftView::onLabelEditEnded(const QModelIndex& index, const QString& text) {
    if (!index.isValid() || !m_document.checkOwner()) {
        return;
    }
    if (index != selectedIndex()) {
        select(index);
    }
    renameDisc({}, fromQt(text));
    if (CommandsPane* commands = commandsPanel(m_document)) {
        commands->refreshDiscFields();
    }
}

void CLeftView::renameDisc(const std::string& newNumber, const std::string& newName) {
    CQXCatalog& catalogue = m_document.catalogue();
    const std::string number(m_document.currentDisc().number());
    CQXDisc* disc = catalogue.findDisc(number);
    QModelIndex item = selectedIndex();
    if (disc == nullptr || isFolder(item)) {
        return;
    }
    if (!item.isValid()) {
        item = exactDiscItem(number);
    }
    const std::string name = cleanDiscName(newName, std::string(disc->name()));
    catalogue.renameDisc(number, name);
    if (item.isValid()) {
        m_model->setDiscText(item.row(), toQt(discItemText(number, name)));
    }
    m_document.setCurrentDisc(*disc);
    m_document.setModified();

    const Renumbering renumbering =
        renumberCatalogueDisc(catalogue, number, newNumber, m_services.prompt);
    if (item.isValid() && renumbering.kind == Renumbering::Kind::Moved) {
        moveRenumberedItem(item.row(), newNumber, renumbering.predecessor);
    } else if (item.isValid() && renumbering.kind == Renumbering::Kind::Renamed) {
        m_model->setDiscText(item.row(), toQt(discItemText(newNumber, name)));
    }
    m_document.setCurrentDisc(*disc);
}

void CLeftView::moveRenumberedItem(int row, const std::string& number,
                                   const std::string& predecessor) {
    m_model->removeDisc(row);
    int at = 0;
    if (predecessor != "0") {
        const QModelIndex after = findDiscItem(predecessor);
        at = after.isValid() ? after.row() + 1 : 0;
    }
    select(m_model->insertDisc(at, discTreeItems(*m_document.catalogue().findDisc(number))));
}

void CLeftView::deleteDisc() {
    if (!m_document.hasDiscs() || !m_document.checkOwner()) {
        return;
    }
    const QModelIndex disc = selectDiscOfSelection(false);
    if (!disc.isValid()) {
        m_services.prompt.message(kClickDiscMessage);
        return;
    }
    const std::string number(discNumberOfItem(fromQt(disc.data().toString())));
    const std::string question = std::string(kDeleteDiscQuestion) + number + " ?";
    if (m_services.prompt.ask(question, Buttons::YesNo, MessageIcon::Question) != Answer::Yes) {
        return;
    }
    // The disc leaves the tree, and the panes move on to another disc or to none, before it is
    // destroyed: the current disc and the file list refer to its file entries.
    const int row = disc.row();
    m_document.setCurrentDisc(CQXDisc{});
    m_model->removeDisc(row);
    if (m_model->discCount() > 0) {
        select(m_model->index(std::min(row, m_model->discCount() - 1), 0));
    } else {
        showNoDisc();
    }
    m_document.catalogue().removeDisc(number);
    m_document.setModified();
    if (CommandsPane* commands = commandsPanel(m_document)) {
        commands->refreshStatus();
    }
    m_document.closeSearchWindows();
}

void CLeftView::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (m_infoWindow == nullptr) {
        m_infoWindow = new CDialogCdInfo(
            {m_services.settings, m_services.prompt, m_services.shell,
             curlClients(m_services.settings), m_document.programFolder() + "noimage_cdinfo.jpg"},
            this);
    }
}

void CLeftView::showDiscInformation() {
    if (m_infoWindow == nullptr || !m_document.hasDiscs()) {
        return;
    }
    fillInformation();
    m_infoWindow->show();
    m_infoWindow->raise();
}

void CLeftView::fillInformation() {
    const CQXCatalog& catalogue = m_document.catalogue();
    const CQXDisc* disc = catalogue.findDisc(m_document.currentDisc().number());
    if (disc == nullptr) {
        return;
    }
    const NamedObject* cover = catalogue.named.find(coverKey(disc->number()));
    m_infoWindow->fill(*disc, cover == nullptr ? nullptr : std::get_if<ByteArray>(cover));
}

void CLeftView::searchCover() {
    CQXCatalog& catalogue = m_document.catalogue();
    if (!isOwner(catalogue, m_document.identity())) {
        m_services.prompt.message(kUnauthorizedMessage);
        return;
    }
    const std::string number(m_document.currentDisc().number());
    const CQXDisc* disc = catalogue.findDisc(number);
    if (disc == nullptr) {
        return;
    }
    CDialogCoverSearch dialog(std::string(disc->name()),
                              disc_info::readMediaTag(disc->info()).value,
                              coverDialogServices(m_services.settings, m_services.prompt,
                                                  m_services.shell, m_musicBrainzPacer),
                              this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    storeCover(catalogue, number, dialog.picture(), dialog.priceBlock(todaysPriceDate()));
    m_document.setCurrentDisc(*disc);
    if (CategoriesPane* categories = categoriesPanel(m_document)) {
        categories->refreshForCurrentDisc();
    }
    if (m_infoWindow != nullptr && m_infoWindow->isVisible()) {
        fillInformation();
    }
    m_document.setModified();
}

void CLeftView::locateFile(const CQXFileData& entry) {
    QModelIndex disc = discOf(selectedIndex());
    if (!disc.isValid()) {
        disc = exactDiscItem(m_document.currentDisc().number());
    }
    if (!disc.isValid()) {
        return;
    }
    select(disc);
    m_tree->expand(disc);
    const std::string target = locatePath(m_document.currentDisc(), entry);
    FileListPane* files = fileList(m_document);

    std::vector<std::pair<QModelIndex, std::string>> pending{{disc, itemPath(disc)}};
    while (!pending.empty()) {
        auto [item, path] = std::move(pending.back());
        pending.pop_back();
        if (lowerCase(path) == target) {
            select(item);
            m_tree->expand(item);
            if (files != nullptr) {
                files->highlightEntry(entry);
            }
        }
        // Children go on the stack last first, so that they are visited in tree order.
        for (int row = m_model->rowCount(item) - 1; row >= 0; --row) {
            const QModelIndex child = m_model->index(row, 0, item);
            pending.emplace_back(child, joinItemPath({path, fromQt(child.data().toString())}));
        }
    }
}

void CLeftView::applyIconSize(bool large) {
    const int size = large ? kLargeIconSize : kSmallIconSize;
    m_model->setIcons(makeDiscTreeIcons(size));
    m_tree->setIconSize(QSize(size, size));
}

void CLeftView::onRightButtonPressed(const QPoint& position) {
    if (!m_document.hasDiscs()) {
        return;
    }
    const QModelIndex item = m_tree->indexAt(position);
    if (!item.isValid()) {
        return;
    }
    QRect label = m_tree->visualRect(item);
    const int labelWidth = m_tree->iconSize().width() + kLabelMargins +
                           m_tree->fontMetrics().horizontalAdvance(item.data().toString());
    label.setWidth(std::min(label.width(), labelWidth));
    if (label.contains(position)) {
        select(item);
    }
}

void CLeftView::onRightButtonReleased(const QPoint& globalPosition) {
    if (!m_document.hasDiscs()) {
        return;
    }
    contextMenu()->popup(globalPosition);
}

QMenu* CLeftView::contextMenu() {
    if (m_menu != nullptr) {
        return m_menu;
    }
    m_menu = new QMenu(QStringLiteral("Tree"), this);
    m_menu->setObjectName(QStringLiteral("Tree"));
    m_menu->addAction(QStringLiteral("Rename"), this, [this] { startRename(); });
    m_menu->addAction(QStringLiteral("Share"), this, [this] { shareSelectedDisc(true); });
    m_menu->addAction(QStringLiteral("Unshare"), this, [this] { shareSelectedDisc(false); });
    m_menu->addAction(QStringLiteral("CD Cover"), this, [this] { searchCover(); });
    m_menu->addAction(QStringLiteral("Delete"), this, [this] { deleteDisc(); });
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Reset CDDB Media Tag"), this, [this] { resetMediaTag(); });
    m_menu->addAction(QStringLiteral("Set Blank Cover"), this, [this] { setBlankCover(); });
    m_menu->addAction(QStringLiteral("Add Blank CD"), this, [this] { addBlankDisc(); });
    m_menu->addAction(QStringLiteral("CD Info"), this, [this] { showDiscInformation(); });
    return m_menu;
}

void CLeftView::startRename() {
    const QModelIndex disc = selectDiscOfSelection(false);
    if (disc.isValid()) {
        m_tree->edit(disc);
    }
}

ShareResult CLeftView::shareSelectedDisc(bool shared) {
    CQXCatalog& catalogue = m_document.catalogue();
    DiscTexts selected = m_document.currentDisc();
    const ShareResult result =
        shared ? shareDisc(catalogue, selected, m_document.identity(), m_services.prompt)
               : unshareDisc(catalogue, selected, m_document.identity(), m_services.prompt);
    if (result != ShareResult::Changed) {
        return result;
    }
    QModelIndex item = selectDiscOfSelection(true);
    if (!item.isValid()) {
        item = exactDiscItem(selected.number());
    }
    if (item.isValid()) {
        m_model->setDiscShared(item.row(), shared);
        m_tree->collapse(item);
    }
    m_document.setCurrentDisc(*catalogue.findDisc(selected.number()));
    m_document.setModified();
    if (CommandsPane* commands = commandsPanel(m_document)) {
        commands->refreshStatus();
    }
    return result;
}

void CLeftView::setBlankCover() {
    if (!m_document.hasDiscs() || !m_document.checkOwner()) {
        return;
    }
    if (removeCover(m_document.catalogue(), m_document.currentDisc().number())) {
        m_document.setModified();
    }
    selectDiscOfSelection(false);
    if (CategoriesPane* categories = categoriesPanel(m_document)) {
        categories->refreshForCurrentDisc();
    }
}

void CLeftView::resetMediaTag() {
    const std::string number(m_document.currentDisc().number());
    CQXCatalog& catalogue = m_document.catalogue();
    if (resetCddbMediaTag(catalogue, number, isOwner(catalogue, m_document.identity()),
                          m_services.prompt)) {
        m_document.setCurrentDisc(*catalogue.findDisc(number));
        m_document.setModified();
    }
}

void CLeftView::addBlankDisc() {
    // Adding a blank disc belongs to the commands panel, which the document passes it to.
    m_document.onCommand(PaneCommand::AddBlankDisc);
}

}  // namespace vorlix
