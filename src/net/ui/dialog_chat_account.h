#pragma once

#include <QDialog>

#include "net/chat_account_creation.h"

class QFormLayout;
class QLineEdit;

namespace vorlix {

// The chat account form: the required fields marked "*", the optional ones that are sent as
// "N/A" when left empty. OK sends the form and closes the dialog only once the account is made.
class CDialogChatAccount : public QDialog {
    Q_OBJECT

public:
    CDialogChatAccount(ChatAccountCreation& creation, QWidget* parent = nullptr);

private:
    void onOk();
    QLineEdit* addField(const char* objectName, const QString& label, int limit);

    ChatAccountCreation& m_creation;
    QFormLayout* m_fields = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_retypedPassword = nullptr;
    QLineEdit* m_firstName = nullptr;
    QLineEdit* m_lastName = nullptr;
    QLineEdit* m_country = nullptr;
    QLineEdit* m_city = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_email = nullptr;
    QLineEdit* m_gender = nullptr;
    QLineEdit* m_age = nullptr;
};

}  // namespace vorlix
