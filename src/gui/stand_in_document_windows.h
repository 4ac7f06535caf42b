#pragma once

#include "app/document_services.h"

class QWidget;

namespace vorlix {

class CCommandsView;
class CQX2Doc;

// The program's background windows as the document asks about them. A scan is in progress
// while the commands panel has its scan dialog open, and the search windows are those the
// commands panel keeps. The copy tasks window is the one the program shares among its copies.
class StandInDocumentWindows final : public DocumentWindows {
public:
    // The document whose commands panel opens the scan dialogs and the search windows; it must
    // outlive every call.
    void watchScansOf(const CQX2Doc& document) { m_document = &document; }
    // The copy tasks window, which must outlive every call.
    void watchCopyTasks(QWidget& window) { m_copyTasks = &window; }

    bool scanInProgress() const override;
    bool searchWindowsOpen() const override;
    void closeSearchWindows() override;
    void setSearchWindowsShown(bool shown) override;
    void setCopyTaskWindowsShown(bool shown) override;
    void clearCatalogueViews() override;
    void minimizeSearchWindows();

private:
    CCommandsView* commandsView() const;

    const CQX2Doc* m_document = nullptr;
    QWidget* m_copyTasks = nullptr;
};

}  // namespace vorlix
