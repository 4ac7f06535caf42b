#include "gui/stand_in_document_windows.h"

namespace vorlix {

bool StandInDocumentWindows::scanInProgress() const {
    return false;
}

bool StandInDocumentWindows::searchWindowsOpen() const {
    return false;
}

void StandInDocumentWindows::closeSearchWindows() {}

void StandInDocumentWindows::setSearchWindowsShown(bool) {}

void StandInDocumentWindows::setCopyTaskWindowsShown(bool) {}

void StandInDocumentWindows::clearCatalogueViews() {}

}  // namespace vorlix
