#include "app/options/ui/general_options_page.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/setting_names.h"

namespace vorlix {

using namespace setting;

GeneralOptionsPage::GeneralOptionsPage(OptionsSettings& settings, QWidget* parent)
    : SettingsPageWidget(settings, OptionsPageId::General, QStringLiteral("General"), parent) {
    addCheckBox(body(), QStringLiteral("Automatically Share Scanned CDs"), kShare);
    addCheckBox(body(), QStringLiteral("Extra Search by Default"), kExtraSearch);
    addCheckBox(body(), QStringLiteral("Perform a database optimization check before optimization"),
                kOptimizationCheck);
    addCheckBox(body(), QStringLiteral("Enable CDDB"), kCddb);

    auto* playlists = new QHBoxLayout;
    addRadioPair(playlists, QStringLiteral("Default Playlist Player"), QStringLiteral("Winamp"),
                 QStringLiteral("BSPlayer"), kDefaultPlayer);
    addRadioPair(playlists, QStringLiteral("Default Playlist Action"), QStringLiteral("Create"),
                 QStringLiteral("Append"), kPlaylistAction);
    body()->addLayout(playlists);

    QVBoxLayout* overdue = addGroup(body(), QStringLiteral("Overdue Lend Warning"));
    addCheckBox(overdue, QStringLiteral("Enable"), kEnableOverdue);
    addNumberField(overdue, QStringLiteral("Interval:"), kIntervalDue, QStringLiteral("days"));
}

}  // namespace vorlix
