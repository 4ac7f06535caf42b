#pragma once

#include "app/options/ui/settings_page_widget.h"

namespace vorlix {

// The General page: sharing, searching, optimisation, CDDB, the playlist defaults and the
// overdue warning.
class GeneralOptionsPage final : public SettingsPageWidget {
    Q_OBJECT

public:
    GeneralOptionsPage(OptionsSettings& settings, QWidget* parent = nullptr);
};

}  // namespace vorlix
