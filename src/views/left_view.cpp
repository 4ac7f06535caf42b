#include "views/left_view.h"

#include "app/catalogue_document.h"
#include "app/ui/qt_text.h"

namespace vorlix {

CLeftView::CLeftView(CQX2Doc& document, const ViewServices& services, QWidget* parent)
    : QFrame(parent), m_document(document), m_services(services) {
    setObjectName(toQt(kLeftViewClass));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_document.addPane(*this);
}

CLeftView::~CLeftView() {
    m_document.removePane(*this);
}

std::string_view CLeftView::paneClassName() const {
    return kLeftViewClass;
}

void CLeftView::runCommand(PaneCommand) {}

}  // namespace vorlix
