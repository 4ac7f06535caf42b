#pragma once

#include <QFrame>

#include "app/pane.h"
#include "views/view_services.h"

namespace vorlix {

class CQX2Doc;

// The disc tree, the second pane of the main window: every disc of the catalogue with its
// folders.
// It registers with the document for as long as it exists.
class CLeftView : public QFrame, public Pane {
    Q_OBJECT

public:
    CLeftView(CQX2Doc& document, const ViewServices& services, QWidget* parent = nullptr);
    ~CLeftView() override;

    std::string_view paneClassName() const override;
    void runCommand(PaneCommand command) override;

private:
    CQX2Doc& m_document;
    ViewServices m_services;
};

}  // namespace vorlix
