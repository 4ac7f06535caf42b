#include "gui/stand_in_document_windows.h"

#include <QWidget>

#include "app/catalogue_document.h"
#include "views/commands_view.h"

namespace vorlix {

CCommandsView* StandInDocumentWindows::commandsView() const {
    return m_document == nullptr
               ? nullptr
               : dynamic_cast<CCommandsView*>(m_document->pane(kCommandsViewClass));
}

bool StandInDocumentWindows::scanInProgress() const {
    const CCommandsView* commands = commandsView();
    return commands != nullptr && commands->scanOpen();
}

bool StandInDocumentWindows::searchWindowsOpen() const {
    const CCommandsView* commands = commandsView();
    return commands != nullptr && commands->searchWindowsOpen();
}

void StandInDocumentWindows::closeSearchWindows() {
    if (CCommandsView* commands = commandsView()) {
        commands->closeSearchWindows();
    }
}

void StandInDocumentWindows::setSearchWindowsShown(bool shown) {
    if (CCommandsView* commands = commandsView()) {
        commands->applyToSearchWindows(shown ? SearchWindowWord::Show : SearchWindowWord::Hide);
    }
}

void StandInDocumentWindows::minimizeSearchWindows() {
    if (CCommandsView* commands = commandsView()) {
        commands->applyToSearchWindows(SearchWindowWord::Minimize);
    }
}

void StandInDocumentWindows::setCopyTaskWindowsShown(bool shown) {
    if (m_copyTasks != nullptr) {
        m_copyTasks->setVisible(shown);
    }
}

void StandInDocumentWindows::clearCatalogueViews() {}

}  // namespace vorlix
