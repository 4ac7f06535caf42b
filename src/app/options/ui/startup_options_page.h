#pragma once

#include "app/options/ui/settings_page_widget.h"

namespace vorlix {

class UserPrompt;

// The Startup page: what happens when the program starts, and whether it starts at logon. The
// logon entry changes as soon as its box does; a failure to change it is shown at once.
class StartupOptionsPage final : public SettingsPageWidget {
    Q_OBJECT

public:
    StartupOptionsPage(OptionsSettings& settings, UserPrompt& prompt, QWidget* parent = nullptr);
};

}  // namespace vorlix
