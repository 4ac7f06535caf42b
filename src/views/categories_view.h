#pragma once

#include <QFrame>

#include "app/pane.h"
#include "views/view_services.h"

namespace vorlix {

class CQX2Doc;

// The categories panel, the rightmost pane of the main window: the categories of the
// catalogue and of the current disc.
// It registers with the document for as long as it exists.
class CCategoriesView : public QFrame, public Pane {
    Q_OBJECT

public:
    CCategoriesView(CQX2Doc& document, const ViewServices& services, QWidget* parent = nullptr);
    ~CCategoriesView() override;

    std::string_view paneClassName() const override;
    void runCommand(PaneCommand command) override;

private:
    CQX2Doc& m_document;
    ViewServices m_services;
};

}  // namespace vorlix
