#include "views/categories_view.h"

#include "app/catalogue_document.h"
#include "app/ui/qt_text.h"

namespace vorlix {

CCategoriesView::CCategoriesView(CQX2Doc& document, const ViewServices& services, QWidget* parent)
    : QFrame(parent), m_document(document), m_services(services) {
    setObjectName(toQt(kCategoriesViewClass));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_document.addPane(*this);
}

CCategoriesView::~CCategoriesView() {
    m_document.removePane(*this);
}

std::string_view CCategoriesView::paneClassName() const {
    return kCategoriesViewClass;
}

void CCategoriesView::runCommand(PaneCommand) {}

}  // namespace vorlix
