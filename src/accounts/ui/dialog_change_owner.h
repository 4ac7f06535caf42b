#pragma once

#include <QDialog>
#include <string>

#include "accounts/database_owner_change.h"

class QLineEdit;
class QWidget;

namespace vorlix {

class CQXCatalog;
class CodePage;
class UserPrompt;

// "Change Database Owner": asks for the current owner's name and password and the new owner's,
// and gives every disc of the catalogue the new owner. Accepted only after a change.
class CDialogChangeOwner : public QDialog {
    Q_OBJECT

public:
    CDialogChangeOwner(CQXCatalog& catalogue, const std::string& logName, UserPrompt& prompt,
                       const CodePage& codePage, QWidget* parent = nullptr);

private:
    OwnerFields fields() const;
    void showFields(const OwnerFields& fields);
    void onChange();

    DatabaseOwnerChange m_change;
    QLineEdit* m_currentName = nullptr;
    QLineEdit* m_currentPassword = nullptr;
    QLineEdit* m_newName = nullptr;
    QLineEdit* m_newPassword = nullptr;
};

}  // namespace vorlix
