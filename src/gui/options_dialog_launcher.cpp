#include "gui/options_dialog_launcher.h"

#include <QCoreApplication>

#include "app/catalogue_document.h"
#include "app/options/options_settings.h"
#include "app/options/settings_restore.h"
#include "app/options/ui/dialog_options.h"
#include "app/settings/data_folder.h"
#include "app/settings/user_folders.h"
#include "app/ui/qt_text.h"
#include "platform/logon_entry.h"
#include "views/dialog_sheet_active_list.h"

namespace vorlix {

void runOptionsDialog(CQX2Doc& document, SettingsStore& settings, UserPrompt& prompt,
                      QWidget* parent) {
    LogonEntry logonEntry(defaultAutostartFolderPath(),
                          fromQt(QCoreApplication::applicationFilePath()));
    OptionsSettings options(settings, logonEntry);
    SettingsRestore restore(settings, prompt, installationDataFolder());
    CDialogOptions dialog(options, restore, prompt, new CDialogSheetActiveList(document, prompt),
                          parent);
    if (dialog.exec() == QDialog::Accepted) {
        document.onOptionsAccepted(options.transferAutomatically());
    }
}

}  // namespace vorlix
