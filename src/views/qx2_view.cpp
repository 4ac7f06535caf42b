#include "views/qx2_view.h"

#include "app/catalogue_document.h"
#include "app/ui/qt_text.h"

namespace vorlix {

CQX2View::CQX2View(CQX2Doc& document, const ViewServices& services, QWidget* parent)
    : QFrame(parent), m_document(document), m_services(services) {
    setObjectName(toQt(kQX2ViewClass));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_document.addPane(*this);
}

CQX2View::~CQX2View() {
    m_document.removePane(*this);
}

std::string_view CQX2View::paneClassName() const {
    return kQX2ViewClass;
}

void CQX2View::runCommand(PaneCommand) {}

}  // namespace vorlix
