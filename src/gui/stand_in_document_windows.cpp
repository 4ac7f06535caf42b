#include "gui/stand_in_document_windows.h"

#include "app/catalogue_document.h"
#include "views/commands_view.h"

namespace vorlix {

bool StandInDocumentWindows::scanInProgress() const {
    if (m_document == nullptr) {
        return false;
    }
    const auto* commands = dynamic_cast<const CCommandsView*>(m_document->pane(kCommandsViewClass));
    return commands != nullptr && commands->scanOpen();
}

bool StandInDocumentWindows::searchWindowsOpen() const {
    return false;
}

void StandInDocumentWindows::openSearchWindow(const SearchRequest&) {}

void StandInDocumentWindows::closeSearchWindows() {}

void StandInDocumentWindows::setSearchWindowsShown(bool) {}

void StandInDocumentWindows::setCopyTaskWindowsShown(bool) {}

void StandInDocumentWindows::clearCatalogueViews() {}

}  // namespace vorlix
