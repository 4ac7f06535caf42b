#include "views/commands_view.h"

#include "accounts/ownership.h"
#include "app/catalogue_document.h"
#include "app/ui/qt_text.h"
#include "scan/disc_insertion.h"
#include "scan/scan_request.h"
#include "scan/ui/scan_dialog.h"

namespace vorlix {

CCommandsView::CCommandsView(CQX2Doc& document, const ViewServices& services,
                             const ScanServices& scan, QWidget* parent)
    : QFrame(parent), m_document(document), m_services(services), m_scan(scan) {
    setObjectName(toQt(kCommandsViewClass));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_document.addPane(*this);
}

CCommandsView::~CCommandsView() {
    m_document.removePane(*this);
}

std::string_view CCommandsView::paneClassName() const {
    return kCommandsViewClass;
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
        default:
            break;
    }
}

// The panel shows no disc fields and no status line yet; there is nothing to bring up to date.
void CCommandsView::refreshDiscFields() {}

void CCommandsView::refreshStatus() {}

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

void CCommandsView::openSearchWindow(const SearchQuery& query, bool startAtOnce) {
    if (!m_document.hasDiscs()) {
        return;
    }
    SearchRequest request{
        query, {}, isOwner(m_document.catalogue(), m_document.identity()), startAtOnce};
    const CategoriesPane* categories = categoriesPanel(m_document);
    if (query.scope == kScopeByCategory && categories != nullptr) {
        request.categories = categories->selectedCategories();
    }
    m_document.openSearchWindow(request);
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
}

void CCommandsView::dropScanDialog() {
    // The dialog deletes itself once its scan thread is done with it, which may take a drive's
    // while; waiting for that here would freeze the window.
    m_scanDialog = nullptr;
}

}  // namespace vorlix
