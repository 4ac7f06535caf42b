#include "gui/options_dialog_launcher.h"

#include <QCoreApplication>

#include "app/catalogue_document.h"
#include "app/options/options_settings.h"
#include "app/options/settings_restore.h"
#include "app/options/ui/dialog_options.h"
#include "app/settings/data_folder.h"
#include "app/settings/user_folders.h"
#include "app/ui/qt_text.h"
#include "gui/stand_in_wordlists_page.h"
#include "platform/logon_entry.h"

namespace vorlix {

namespace {

// The one place the Wordlists page is made: the page over the document's history lists, which
// reports through the prompt.
OptionsPage* createWordlistsPage(CQX2Doc&, UserPrompt&) {
    return new StandInWordlistsPage;
}

}  // namespace

void runOptionsDialog(CQX2Doc& document, SettingsStore& settings, UserPrompt& prompt,
                      QWidget* parent) {
    LogonEntry logonEntry(defaultAutostartFolderPath(),
                          fromQt(QCoreApplication::applicationFilePath()));
    OptionsSettings options(settings, logonEntry);
    SettingsRestore restore(settings, prompt, installationDataFolder());
    CDialogOptions dialog(options, restore, prompt, createWordlistsPage(document, prompt), parent);
    if (dialog.exec() == QDialog::Accepted) {
        document.onOptionsAccepted(options.transferAutomatically());
    }
}

}  // namespace vorlix
