#include "gui/stand_in_wordlists_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vorlix {

StandInWordlistsPage::StandInWordlistsPage(QWidget* parent) : OptionsPage(parent) {
    setObjectName(QStringLiteral("wordlistsPage"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createPageTitle(QStringLiteral("Wordlist Options"), this));
    layout->addStretch();
}

void StandInWordlistsPage::dialogAccepted() {}

void StandInWordlistsPage::settingsReloaded() {}

}  // namespace vorlix
