#pragma once

#include "app/document_services.h"

namespace vorlix {

// Takes the place of the search windows, the copy task windows and the scan dialog until the
// commands panel brings them: with none of them in the program, no scan or search is ever
// running and there is nothing to close, show or hide.
class StandInDocumentWindows final : public DocumentWindows {
public:
    bool scanInProgress() const override;
    bool searchWindowsOpen() const override;
    void closeSearchWindows() override;
    void setSearchWindowsShown(bool shown) override;
    void setCopyTaskWindowsShown(bool shown) override;
    void clearCatalogueViews() override;
};

}  // namespace vorlix
