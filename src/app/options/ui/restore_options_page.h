#pragma once

#include "app/options/settings_restore.h"
#include "app/options/ui/options_page.h"

class QVBoxLayout;

namespace vorlix {

// The Restore page: the groups "General QX Settings" and "Chat Settings", each with a large
// "RESTORE" button that imports the installation's registry file of its group, restore.reg or
// restorechat.reg, after asking.
class RestoreOptionsPage final : public OptionsPage {
    Q_OBJECT

public:
    RestoreOptionsPage(SettingsRestore& restore, QWidget* parent = nullptr);

    void dialogAccepted() override;
    void settingsReloaded() override;

Q_SIGNALS:
    // A file was imported; the other pages have to show the settings again.
    void restored();

private:
    void addGroup(QVBoxLayout* layout, const QString& title, const QString& text,
                  const char* buttonName, RestoreFile file);

    SettingsRestore& m_restore;
};

}  // namespace vorlix
