#include "app/options/ui/interface_options_page.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "app/setting_names.h"

namespace vorlix {

using namespace setting;

InterfaceOptionsPage::InterfaceOptionsPage(OptionsSettings& settings, QWidget* parent)
    : SettingsPageWidget(settings, OptionsPageId::Interface, QStringLiteral("Interface"), parent) {
    addCheckBox(body(), QStringLiteral("Active Combo Boxes"), kCombo);
    addCheckBox(body(), QStringLiteral("Automatic Notes"), kAutoNotes);
    addCheckBox(body(), QStringLiteral("Large File Icons By Default"), kLargeFileIcons);
    addCheckBox(body(), QStringLiteral("Show Default Categories"), kDefCats);
    addCheckBox(body(), QStringLiteral("Enable Dynamic Filtering"), kEnableDynamic);
    addCheckBox(body(), QStringLiteral("Large Tree Icon by Default"), kLargeTreeIcons);
    addCheckBox(body(), QStringLiteral("Show Comprehensive Stats"), kStats);

    QVBoxLayout* expanded = addGroup(body(), QStringLiteral("Expanded/Shrunk by Default"));
    addCheckBox(expanded, QStringLiteral("Expanded Login Dialog by Default"), kExpLogin);
    addCheckBox(expanded, QStringLiteral("Expanded Transfer Dialog by Default"), kExpTransfer);
    addCheckBox(expanded, QStringLiteral("Expanded Copy Dialog by Default"), kExpCopy);
    // Kept on the page, and written by it, though the playlist window has no expanded form.
    addCheckBox(expanded, QStringLiteral("Expanded Playlist Dialog by Default"), kExpPlaylist)
        ->hide();
}

}  // namespace vorlix
