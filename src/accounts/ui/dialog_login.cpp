#include "accounts/ui/dialog_login.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/qt_text.h"

namespace vorlix {

namespace {

QLineEdit* createEdit(const QString& name, bool password, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (password) {
        edit->setEchoMode(QLineEdit::Password);
    }
    return edit;
}

QPushButton* createButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

// A "Log Name" and a "Password" row, the labels naming their edits for keyboard access.
void addLogRows(QGridLayout* grid, QLineEdit* logName, QLineEdit* password) {
    auto* nameLabel = new QLabel(QStringLiteral("Log Name"));
    nameLabel->setBuddy(logName);
    auto* passwordLabel = new QLabel(QStringLiteral("Password"));
    passwordLabel->setBuddy(password);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(logName, 0, 1);
    grid->addWidget(passwordLabel, 1, 0);
    grid->addWidget(password, 1, 1);
}

}  // namespace

CDialogLogin::CDialogLogin(const std::string& programFolder, UserPrompt& prompt,
                           SettingsStore& settings, const CodePage& codePage, QWidget* parent)
    : QDialog(parent), m_process(programFolder, prompt, settings, codePage) {
    setObjectName(QStringLiteral("CDialogLogin"));
    setWindowTitle(QStringLiteral("QX Login Process (Please Log In)"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createAccountPanel());
    m_addEditPanel = createAddEditPanel();
    layout->addWidget(m_addEditPanel);
    setFixedWidth(sizeHint().width());

    LoginFields opened;
    m_process.open(opened);
    showFields(opened);
    showInfo();
    showExpansion();
}

QWidget* CDialogLogin::createAccountPanel() {
    auto* panel = new QWidget(this);
    panel->setFixedHeight(kCollapsedLoginHeight);

    auto* account = new QGroupBox(QStringLiteral("Current account information"), panel);
    account->setObjectName(QStringLiteral("accountGroup"));
    m_logName = createEdit(QStringLiteral("logNameEdit"), false, account);
    m_password = createEdit(QStringLiteral("passwordEdit"), true, account);
    m_autoLogin =
        new QCheckBox(QStringLiteral("Log me automatically with this account  next time"), account);
    m_autoLogin->setObjectName(QStringLiteral("autoLoginCheck"));
    auto* logIn = createButton(QStringLiteral("Log in"), QStringLiteral("logInButton"), account);
    logIn->setDefault(true);
    auto* exit = createButton(QStringLiteral("Exit"), QStringLiteral("exitButton"), account);
    m_expand = new QToolButton(account);
    m_expand->setObjectName(QStringLiteral("expandButton"));

    auto* accountGrid = new QGridLayout(account);
    addLogRows(accountGrid, m_logName, m_password);
    accountGrid->addWidget(m_autoLogin, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(logIn);
    buttons->addWidget(exit);
    buttons->addStretch();
    buttons->addWidget(m_expand);
    accountGrid->addLayout(buttons, 3, 0, 1, 2);

    auto* info = new QGroupBox(QStringLiteral("Important Info"), panel);
    info->setObjectName(QStringLiteral("infoGroup"));
    m_info = new QPlainTextEdit(info);
    m_info->setObjectName(QStringLiteral("infoText"));
    m_info->setReadOnly(true);
    m_more = createButton(QString(), QStringLiteral("moreButton"), info);
    auto* infoLayout = new QVBoxLayout(info);
    infoLayout->addWidget(m_info);
    infoLayout->addWidget(m_more, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(panel);
    layout->addWidget(account);
    layout->addWidget(info, 1);

    connect(logIn, &QPushButton::clicked, this, &CDialogLogin::onLogIn);
    connect(exit, &QPushButton::clicked, this, &CDialogLogin::reject);
    connect(m_autoLogin, &QCheckBox::clicked, this, &CDialogLogin::onAutoLogin);
    connect(m_expand, &QToolButton::clicked, this, &CDialogLogin::onExpand);
    connect(m_more, &QPushButton::clicked, this, &CDialogLogin::onMore);
    return panel;
}

QWidget* CDialogLogin::createAddEditPanel() {
    auto* panel = new QWidget(this);
    panel->setFixedHeight(kExpandedLoginHeight - kCollapsedLoginHeight);

    auto* group = new QGroupBox(QStringLiteral("Add / Edit  Users"), panel);
    group->setObjectName(QStringLiteral("addEditGroup"));
    m_newLogName = createEdit(QStringLiteral("newLogNameEdit"), false, group);
    m_newPassword = createEdit(QStringLiteral("newPasswordEdit"), true, group);
    auto* add =
        createButton(QStringLiteral("Add new User"), QStringLiteral("addUserButton"), group);
    auto* change = createButton(QStringLiteral("Change Log Info"),
                                QStringLiteral("changeLogInfoButton"), group);
    auto* remove = createButton(QStringLiteral("Delete"), QStringLiteral("deleteButton"), group);

    auto* grid = new QGridLayout(group);
    addLogRows(grid, m_newLogName, m_newPassword);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(change);
    buttons->addWidget(remove);
    grid->addLayout(buttons, 0, 2, 3, 1);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(9, 0, 9, 9);
    layout->addWidget(group);

    connect(add, &QPushButton::clicked, this, &CDialogLogin::onAddNewUser);
    connect(change, &QPushButton::clicked, this, &CDialogLogin::onChangeLogInfo);
    connect(remove, &QPushButton::clicked, this, &CDialogLogin::onDelete);
    return panel;
}

int CDialogLogin::exec() {
    if (m_process.identity()) {
        setResult(Accepted);
        return Accepted;
    }
    return QDialog::exec();
}

LoginFields CDialogLogin::fields() const {
    return {fromQt(m_logName->text()), fromQt(m_password->text()), fromQt(m_newLogName->text()),
            fromQt(m_newPassword->text())};
}

void CDialogLogin::showFields(const LoginFields& fields) {
    m_logName->setText(toQt(fields.logName));
    m_password->setText(toQt(fields.password));
    m_newLogName->setText(toQt(fields.newLogName));
    m_newPassword->setText(toQt(fields.newPassword));
}

void CDialogLogin::showExpansion() {
    m_addEditPanel->setVisible(m_process.expanded());
    m_expand->setArrowType(m_process.expanded() ? Qt::UpArrow : Qt::DownArrow);
    setFixedHeight(m_process.height());
}

void CDialogLogin::showInfo() {
    m_info->setPlainText(toQt(m_process.infoText()));
    m_more->setText(toQt(m_process.infoButtonText()));
}

void CDialogLogin::onLogIn() {
    if (m_process.logIn(fields())) {
        accept();
    }
}

void CDialogLogin::onAddNewUser() {
    LoginFields current = fields();
    m_process.addNewUser(current);
    showFields(current);
}

void CDialogLogin::onChangeLogInfo() {
    LoginFields current = fields();
    m_process.changeLogInfo(current);
    showFields(current);
}

void CDialogLogin::onDelete() {
    LoginFields current = fields();
    m_process.deleteAccount(current);
    showFields(current);
}

void CDialogLogin::onAutoLogin() {
    m_process.toggleAutoLogin();
    m_autoLogin->setChecked(m_process.autoLogin());
}

void CDialogLogin::onExpand() {
    m_process.toggleExpanded();
    showExpansion();
}

void CDialogLogin::onMore() {
    m_process.toggleInfo();
    showInfo();
}

}  // namespace vorlix
