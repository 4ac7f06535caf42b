#pragma once

#include "app/options/ui/options_page.h"

namespace vorlix {

// Takes the place of the "Wordlist Options" page until the commands panel brings it: it shows
// the page's title only, and OK leaves the history lists as they are, which is what OK does to
// lists nobody edited.
class StandInWordlistsPage final : public OptionsPage {
    Q_OBJECT

public:
    explicit StandInWordlistsPage(QWidget* parent = nullptr);

    void dialogAccepted() override;
    void settingsReloaded() override;
};

}  // namespace vorlix
