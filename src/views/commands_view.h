#pragma once

#include <QFrame>

#include "app/pane.h"
#include "views/view_services.h"

namespace vorlix {

class CQX2Doc;

// The commands panel, the leftmost pane of the main window: the buttons and fields that start
// scans, searches and lending, and the status line.
// It registers with the document for as long as it exists.
class CCommandsView : public QFrame, public Pane {
    Q_OBJECT

public:
    CCommandsView(CQX2Doc& document, const ViewServices& services, QWidget* parent = nullptr);
    ~CCommandsView() override;

    std::string_view paneClassName() const override;
    void runCommand(PaneCommand command) override;

private:
    CQX2Doc& m_document;
    ViewServices m_services;
};

}  // namespace vorlix
