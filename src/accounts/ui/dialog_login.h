#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "accounts/login_process.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace vorlix {

class CodePage;
class SettingsStore;
class UserPrompt;

// The login dialog: logs a local user in and keeps the local accounts. Opening it loads the
// accounts of the program folder and may log the last user in at once; exec() then returns
// Accepted without showing anything.
class CDialogLogin : public QDialog {
    Q_OBJECT

public:
    CDialogLogin(const std::string& programFolder, UserPrompt& prompt, SettingsStore& settings,
                 const CodePage& codePage, QWidget* parent = nullptr);

    int exec() override;

    // Set once the dialog has been accepted.
    const std::optional<Identity>& identity() const { return m_process.identity(); }

private:
    QWidget* createAccountPanel();
    QWidget* createAddEditPanel();
    LoginFields fields() const;
    void showFields(const LoginFields& fields);
    void showExpansion();
    void showInfo();

    void onLogIn();
    void onAddNewUser();
    void onChangeLogInfo();
    void onDelete();
    void onAutoLogin();
    void onExpand();
    void onMore();

    LoginProcess m_process;
    QLineEdit* m_logName = nullptr;
    QLineEdit* m_password = nullptr;
    QCheckBox* m_autoLogin = nullptr;
    QLineEdit* m_newLogName = nullptr;
    QLineEdit* m_newPassword = nullptr;
    QToolButton* m_expand = nullptr;
    QPlainTextEdit* m_info = nullptr;
    QPushButton* m_more = nullptr;
    QWidget* m_addEditPanel = nullptr;
};

}  // namespace vorlix
