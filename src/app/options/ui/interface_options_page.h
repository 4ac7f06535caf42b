#pragma once

#include "app/options/ui/settings_page_widget.h"

namespace vorlix {

// The Interface page: the panes' behaviour and icons, and the dialogs that open expanded.
class InterfaceOptionsPage final : public SettingsPageWidget {
    Q_OBJECT

public:
    InterfaceOptionsPage(OptionsSettings& settings, QWidget* parent = nullptr);
};

}  // namespace vorlix
