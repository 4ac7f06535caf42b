#include "accounts/ui/dialog_change_owner.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/qt_text.h"

namespace vorlix {

namespace {

// A group with a "Username:" and a hidden "Password:" field.
QGroupBox* createOwnerGroup(const QString& title, const QString& name, QLineEdit*& userName,
                            QLineEdit*& password, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name + QStringLiteral("Group"));
    userName = new QLineEdit(group);
    userName->setObjectName(name + QStringLiteral("NameEdit"));
    password = new QLineEdit(group);
    password->setObjectName(name + QStringLiteral("PasswordEdit"));
    password->setEchoMode(QLineEdit::Password);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Username:"), userName);
    form->addRow(QStringLiteral("Password:"), password);
    return group;
}

}  // namespace

CDialogChangeOwner::CDialogChangeOwner(CQXCatalog& catalogue, const std::string& logName,
                                       UserPrompt& prompt, const CodePage& codePage,
                                       QWidget* parent)
    : QDialog(parent), m_change(catalogue, logName, prompt, codePage) {
    setObjectName(QStringLiteral("CDialogChangeOwner"));
    setWindowTitle(QStringLiteral("Change Database Owner"));

    auto* current = createOwnerGroup(QStringLiteral("Current Owner"), QStringLiteral("current"),
                                     m_currentName, m_currentPassword, this);
    auto* next = createOwnerGroup(QStringLiteral("New Owner"), QStringLiteral("new"), m_newName,
                                  m_newPassword, this);
    auto* change = new QPushButton(QStringLiteral("Change"), this);
    change->setObjectName(QStringLiteral("changeButton"));
    change->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(change);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(current);
    layout->addWidget(next);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(change, &QPushButton::clicked, this, &CDialogChangeOwner::onChange);
    connect(cancel, &QPushButton::clicked, this, &CDialogChangeOwner::reject);

    showFields(m_change.initialFields());
}

OwnerFields CDialogChangeOwner::fields() const {
    return {fromQt(m_currentName->text()), fromQt(m_currentPassword->text()),
            fromQt(m_newName->text()), fromQt(m_newPassword->text())};
}

void CDialogChangeOwner::showFields(const OwnerFields& fields) {
    m_currentName->setText(toQt(fields.currentName));
    m_currentPassword->setText(toQt(fields.currentPassword));
    m_newName->setText(toQt(fields.newName));
    m_newPassword->setText(toQt(fields.newPassword));
}

void CDialogChangeOwner::onChange() {
    OwnerFields current = fields();
    if (m_change.change(current)) {
        accept();
        return;
    }
    showFields(current);
}

}  // namespace vorlix
