#pragma once

#include <QFrame>

#include "app/pane.h"
#include "views/view_services.h"

namespace vorlix {

class CQX2Doc;

// The file list, the third pane of the main window: the files of the disc or folder selected
// in the disc tree.
// It registers with the document for as long as it exists.
class CQX2View : public QFrame, public Pane {
    Q_OBJECT

public:
    CQX2View(CQX2Doc& document, const ViewServices& services, QWidget* parent = nullptr);
    ~CQX2View() override;

    std::string_view paneClassName() const override;
    void runCommand(PaneCommand command) override;

private:
    CQX2Doc& m_document;
    ViewServices m_services;
};

}  // namespace vorlix
