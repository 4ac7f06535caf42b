#include "net/ui/dialog_server.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "app/settings_store.h"
#include "app/ui/qt_text.h"

namespace vorlix {

namespace {

QLabel* createValue(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A small window of its own that the chat server window shows and hides.
QDialog* createSideWindow(const char* name, const QString& title, QWidget* owner) {
    auto* window = new QDialog(owner);
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(title);
    window->setModal(false);
    window->setMinimumWidth(240);
    return window;
}

QString number(int value) {
    return QString::number(value);
}

}  // namespace

CDialogServer::CDialogServer(SettingsStore& settings, QWidget* parent)
    : QDialog(parent),
      m_connection(settings, m_transport, fromQt(qEnvironmentVariable(kServerVariable))) {
    setObjectName(QStringLiteral("CDialogServer"));
    setWindowTitle(QStringLiteral("QX Chat Server"));
    setModal(false);

    m_state = createValue("connectionState", this);
    m_note = createValue("connectionNote", this);
    m_account = createValue("account", this);
    m_sharedPath = createValue("sharedDatabasePath", this);
    m_transfers = createValue("activeTransfers", this);
    m_users = createValue("usersOnline", this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Connection:"), m_state);
    form->addRow(QString(), m_note);
    form->addRow(QStringLiteral("Chat account:"), m_account);
    form->addRow(QStringLiteral("Shared catalogue:"), m_sharedPath);
    form->addRow(QStringLiteral("Active transfers:"), m_transfers);
    form->addRow(QStringLiteral("Users online:"), m_users);

    m_connect = new QPushButton(QStringLiteral("Connect"), this);
    m_connect->setObjectName(QStringLiteral("connectButton"));
    m_disconnect = new QPushButton(QStringLiteral("Disconnect"), this);
    m_disconnect->setObjectName(QStringLiteral("disconnectButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_connect);
    buttons->addWidget(m_disconnect);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    m_transferManager =
        createSideWindow("transferManager", QStringLiteral("Transfer Manager"), this);
    m_transferCount = createValue("transferCount", m_transferManager);
    m_transferAutomatically =
        new QCheckBox(QStringLiteral("Show Transfer Dialog Automatically"), m_transferManager);
    m_transferAutomatically->setObjectName(QStringLiteral("transferAutomatically"));
    // The option belongs to the Net Settings page; here it is only shown.
    m_transferAutomatically->setEnabled(false);
    auto* transferLayout = new QFormLayout(m_transferManager);
    transferLayout->addRow(QStringLiteral("Active transfers:"), m_transferCount);
    transferLayout->addRow(m_transferAutomatically);

    m_chatters = createSideWindow("chatters", QStringLiteral("Chatters"), this);
    m_chatterUsers = createValue("chatterUsers", m_chatters);
    auto* chattersLayout = new QFormLayout(m_chatters);
    chattersLayout->addRow(QStringLiteral("Users online:"), m_chatterUsers);

    connect(m_connect, &QPushButton::clicked, this, &CDialogServer::connectToServer);
    connect(m_disconnect, &QPushButton::clicked, this, &CDialogServer::remouteShutDown);
    // Closing a side window by its frame hides it just as the calls do.
    connect(m_transferManager, &QDialog::finished, this, &CDialogServer::hideTtansferManager);
    connect(m_chatters, &QDialog::finished, this, &CDialogServer::hideAllChaters);

    connect(&m_transport, &QtChatTransport::connected, this, [this] {
        m_connection.onConnected();
        refresh();
    });
    connect(&m_transport, &QtChatTransport::connectFailed, this, [this](const QString& reason) {
        m_connection.onConnectFailed(fromQt(reason));
        refresh();
    });
    connect(&m_transport, &QtChatTransport::closedByServer, this, [this] {
        m_connection.onClosedByServer();
        refresh();
    });
    connect(&m_transport, &QtChatTransport::received, this, [this](const QByteArray& bytes) {
        m_connection.onReceived(std::string_view(bytes.constData(), bytes.size()));
        refresh();
    });

    refresh();
}

void CDialogServer::setSharedDatabasePath(std::string path) {
    m_connection.setSharedDatabasePath(std::move(path));
    refresh();
}

const std::string& CDialogServer::sharedDatabasePath() const {
    return m_connection.sharedDatabasePath();
}

std::string CDialogServer::connectionState() const {
    return m_connection.connectionState();
}

std::string CDialogServer::accountState() const {
    return m_connection.accountState();
}

void CDialogServer::connectToServer() {
    m_connection.connect();
    refresh();
}

void CDialogServer::remouteShutDown() {
    m_connection.remouteShutDown();
    refresh();
}

void CDialogServer::showTransferManager() {
    m_connection.showTransferManager();
    refresh();
}

void CDialogServer::hideTtansferManager() {
    m_connection.hideTtansferManager();
    refresh();
}

void CDialogServer::showChaterDialogs() {
    m_connection.showChaterDialogs();
    refresh();
}

void CDialogServer::hideAllChaters() {
    m_connection.hideAllChaters();
    refresh();
}

void CDialogServer::setVisibleTransfer(int value) {
    m_connection.setVisibleTransfer(value);
    refresh();
}

int CDialogServer::getActiveTransfers() const {
    return m_connection.getActiveTransfers();
}

int CDialogServer::getUsersOnline() const {
    return m_connection.getUsersOnline();
}

void CDialogServer::showEvent(QShowEvent* event) {
    // The chat account may have been created while the window was hidden.
    refresh();
    QDialog::showEvent(event);
}

void CDialogServer::refresh() {
    const ChatPhase phase = m_connection.phase();
    m_state->setText(toQt(m_connection.connectionState()));
    m_note->setText(toQt(m_connection.note()));
    m_account->setText(m_connection.accountState() == ChatConnection::kNoAccount
                           ? QStringLiteral("No chat account")
                           : toQt(m_connection.accountName()));
    m_sharedPath->setText(toQt(m_connection.sharedDatabasePath()));
    m_transfers->setText(number(m_connection.getActiveTransfers()));
    m_users->setText(number(m_connection.getUsersOnline()));
    m_connect->setEnabled(phase == ChatPhase::Offline);
    m_disconnect->setEnabled(phase != ChatPhase::Offline);

    m_transferCount->setText(number(m_connection.getActiveTransfers()));
    m_transferAutomatically->setChecked(m_connection.showsTransferAutomatically());
    m_transferManager->setVisible(m_connection.transferManagerVisible());
    m_chatterUsers->setText(number(m_connection.getUsersOnline()));
    m_chatters->setVisible(m_connection.chattersVisible());
}

}  // namespace vorlix
