#include "accounts/database_owner_change.h"

#include "accounts/text_digest.h"
#include "core/catalog.h"
#include "core/user_prompt.h"

namespace vorlix {

DatabaseOwnerChange::DatabaseOwnerChange(CQXCatalog& catalogue, std::string logName,
                                         UserPrompt& prompt, const CodePage& codePage)
    : m_catalogue(catalogue),
      m_logName(std::move(logName)),
      m_prompt(prompt),
      m_codePage(codePage) {}

OwnerFields DatabaseOwnerChange::initialFields() const {
    OwnerFields fields;
    fields.currentName = m_logName;
    return fields;
}

void DatabaseOwnerChange::refuse(std::string_view message, OwnerFields& fields) {
    m_prompt.message(message);
    fields = OwnerFields();
}

bool DatabaseOwnerChange::change(OwnerFields& fields) {
    if (fields.currentName.empty() || fields.currentPassword.empty() || fields.newName.empty() ||
        fields.newPassword.empty()) {
        refuse(kFillAllFieldsMessage, fields);
        return false;
    }
    // Only the first disc records the owner that counts.
    const CQXDisc* first = m_catalogue.discs.empty() ? nullptr : m_catalogue.discs.front().get();
    if (first == nullptr || fields.currentName != first->ownerName()) {
        refuse(kFalseOwnerNameMessage, fields);
        return false;
    }
    if (textDigest(fields.currentPassword, m_codePage) != first->ownerDigest()) {
        refuse(kFalseOwnerPasswordMessage, fields);
        return false;
    }
    const std::string newDigest = textDigest(fields.newPassword, m_codePage);
    for (auto& disc : m_catalogue.discs) {
        disc->setOwnerName(fields.newName);
        disc->setOwnerDigest(newDigest);
    }
    return true;
}

}  // namespace vorlix
