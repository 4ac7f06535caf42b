#include "scan/ui/modal_extension_review.h"

#include "scan/ui/scan_filter_dialog.h"

namespace vorlix {

void ModalExtensionReview::review(FilterLists& lists, std::vector<std::string>& detected) {
    ScanFilterDialog dialog(lists, detected, m_prompt, m_settings, m_parent);
    dialog.setModal(true);
    dialog.exec();
}

}  // namespace vorlix
