#pragma once

#include "app/document_services.h"

namespace vorlix {

class CQX2Doc;

// The program's background windows as the document asks about them. A scan is in progress
// while the commands panel has its scan dialog open. The search windows and the copy task
// windows are not in the program yet: a search window asked for does not open, no search is
// ever running and there is nothing of them to close, show or hide.
class StandInDocumentWindows final : public DocumentWindows {
public:
    // The document whose commands panel opens the scan dialogs; it must outlive every call.
    void watchScansOf(const CQX2Doc& document) { m_document = &document; }

    bool scanInProgress() const override;
    bool searchWindowsOpen() const override;
    void openSearchWindow(const SearchRequest& request) override;
    void closeSearchWindows() override;
    void setSearchWindowsShown(bool shown) override;
    void setCopyTaskWindowsShown(bool shown) override;
    void clearCatalogueViews() override;

private:
    const CQX2Doc* m_document = nullptr;
};

}  // namespace vorlix
