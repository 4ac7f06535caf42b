#pragma once

#include "app/options/ui/settings_page_widget.h"

namespace vorlix {

// The Net Settings page: what the chat component is told about visibility, sharing, transfers
// and the chat window.
class NetOptionsPage final : public SettingsPageWidget {
    Q_OBJECT

public:
    NetOptionsPage(OptionsSettings& settings, QWidget* parent = nullptr);
};

}  // namespace vorlix
