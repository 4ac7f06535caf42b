#include "app/options/ui/restore_options_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlix {

namespace {

constexpr int kRestoreButtonWidth = 160;
constexpr int kRestoreButtonHeight = 48;

}  // namespace

RestoreOptionsPage::RestoreOptionsPage(SettingsRestore& restore, QWidget* parent)
    : OptionsPage(parent), m_restore(restore) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createPageTitle(QStringLiteral("Restore"), this));
    addGroup(layout, QStringLiteral("General QX Settings"),
             QStringLiteral("Puts every setting of the program back as it was installed."),
             "restoreGeneralButton", RestoreFile::General);
    addGroup(layout, QStringLiteral("Chat Settings"),
             QStringLiteral("Puts the settings of the chat back as they were installed."),
             "restoreChatButton", RestoreFile::Chat);
    layout->addStretch();
}

void RestoreOptionsPage::dialogAccepted() {
    // A restore is written the moment it is confirmed; OK has nothing left to take from here.
}

void RestoreOptionsPage::settingsReloaded() {
    // The page shows no setting.
}

void RestoreOptionsPage::addGroup(QVBoxLayout* layout, const QString& title, const QString& text,
                                  const char* buttonName, RestoreFile file) {
    auto* group = new QGroupBox(title, this);
    auto* groupLayout = new QVBoxLayout(group);
    auto* description = new QLabel(text, group);
    description->setWordWrap(true);
    groupLayout->addWidget(description);
    auto* button = new QPushButton(QStringLiteral("RESTORE"), group);
    button->setObjectName(QString::fromLatin1(buttonName));
    button->setFixedSize(kRestoreButtonWidth, kRestoreButtonHeight);
    QFont font = button->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    button->setFont(font);
    groupLayout->addWidget(button, 0, Qt::AlignHCenter);
    connect(button, &QPushButton::clicked, this, [this, file] {
        if (m_restore.restore(file)) {
            Q_EMIT restored();
        }
    });
    layout->addWidget(group);
}

}  // namespace vorlix
