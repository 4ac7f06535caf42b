#include "net/ui/dialog_chat_account.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/ui/qt_text.h"
#include "net/chat_account_form.h"

namespace vorlix {

namespace {

constexpr int kFieldLimit = 32;
constexpr int kAgeLimit = 2;
// QLineEdit's own limit, for the fields the form leaves open.
constexpr int kUnlimited = 32767;

}  // namespace

CDialogChatAccount::CDialogChatAccount(ChatAccountCreation& creation, QWidget* parent)
    : QDialog(parent), m_creation(creation) {
    setObjectName(QStringLiteral("CDialogChatAccount"));
    setWindowTitle(QStringLiteral("Dialog"));

    auto* group = new QGroupBox(QStringLiteral("Personal Login Data"), this);
    group->setObjectName(QStringLiteral("loginData"));
    m_fields = new QFormLayout(group);
    m_name = addField("name", QStringLiteral("* Username"), kFieldLimit);
    m_password = addField("password", QStringLiteral("*Password"), kFieldLimit);
    m_retypedPassword =
        addField("retypedPassword", QStringLiteral("* Retype Password"), kFieldLimit);
    m_firstName = addField("firstName", QStringLiteral("* First Name"), kFieldLimit);
    m_lastName = addField("lastName", QStringLiteral("* Last Name"), kFieldLimit);
    m_country = addField("country", QStringLiteral("Country"), kUnlimited);
    m_city = addField("city", QStringLiteral("City"), kUnlimited);
    m_address = addField("address", QStringLiteral("Address"), kUnlimited);
    m_email = addField("email", QStringLiteral("* E Mail"), kFieldLimit);
    m_gender = addField("gender", QStringLiteral("Gender (male/female)"), kUnlimited);
    m_age = addField("age", QStringLiteral("Age"), kAgeLimit);
    m_password->setEchoMode(QLineEdit::Password);
    m_retypedPassword->setEchoMode(QLineEdit::Password);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogChatAccount::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("* indicates a required field"), this);
    note->setObjectName(QStringLiteral("requiredNote"));
    layout->addWidget(note);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

QLineEdit* CDialogChatAccount::addField(const char* objectName, const QString& label, int limit) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setMaxLength(limit);
    m_fields->addRow(label, field);
    return field;
}

void CDialogChatAccount::onOk() {
    const ChatAccountForm form{
        fromQt(m_name->text()),      fromQt(m_password->text()), fromQt(m_retypedPassword->text()),
        fromQt(m_firstName->text()), fromQt(m_lastName->text()), fromQt(m_country->text()),
        fromQt(m_city->text()),      fromQt(m_address->text()),  fromQt(m_email->text()),
        fromQt(m_gender->text()),    fromQt(m_age->text())};
    if (m_creation.submit(form)) {
        accept();
    }
}

}  // namespace vorlix
