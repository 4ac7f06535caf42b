#include "views/commands_view.h"

#include "app/catalogue_document.h"
#include "app/ui/qt_text.h"

namespace vorlix {

CCommandsView::CCommandsView(CQX2Doc& document, const ViewServices& services, QWidget* parent)
    : QFrame(parent), m_document(document), m_services(services) {
    setObjectName(toQt(kCommandsViewClass));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_document.addPane(*this);
}

CCommandsView::~CCommandsView() {
    m_document.removePane(*this);
}

std::string_view CCommandsView::paneClassName() const {
    return kCommandsViewClass;
}

void CCommandsView::runCommand(PaneCommand) {}

}  // namespace vorlix
