#include "accounts/ui/dialog_change_owner_service.h"

#include "accounts/ui/dialog_change_owner.h"

namespace vorlix {

DialogChangeOwnerService::DialogChangeOwnerService(UserPrompt& prompt, const CodePage& codePage,
                                                   QWidget* parent)
    : m_prompt(prompt), m_codePage(codePage), m_parent(parent) {}

bool DialogChangeOwnerService::changeOwner(CQXCatalog& catalogue, const std::string& logName) {
    CDialogChangeOwner dialog(catalogue, logName, m_prompt, m_codePage, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vorlix
