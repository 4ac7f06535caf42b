#pragma once

#include <QDialog>
#include <vector>

#include "app/options/ui/options_page_icons.h"

class QListWidget;
class QStackedWidget;

namespace vorlix {

class OptionsPage;
class OptionsSettings;
class SettingsRestore;
class UserPrompt;

// The options dialog "Orvanta Settings": on the left the list of the six pages, "General",
// "Interface", "Net", "Startup", "Restore" and "Wordlists", on the right the chosen page, and
// "OK" and "Cancel" below. It opens on General. OK hands the Wordlists page its OK, writes the
// four settings pages and closes; Cancel closes and writes nothing more.
class CDialogOptions final : public QDialog {
    Q_OBJECT

public:
    // wordlistsPage is the Wordlists page, which the dialog takes over.
    CDialogOptions(OptionsSettings& settings, SettingsRestore& restore, UserPrompt& prompt,
                   OptionsPage* wordlistsPage, QWidget* parent = nullptr);

    void accept() override;

private:
    void addPage(OptionsIcon icon, const QString& name, OptionsPage* page);
    void showRestoredSettings();

    OptionsSettings& m_settings;
    UserPrompt& m_prompt;
    QListWidget* m_pageList = nullptr;
    QStackedWidget* m_pageStack = nullptr;
    std::vector<OptionsPage*> m_pages;
};

}  // namespace vorlix
