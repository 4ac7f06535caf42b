#include "app/options/ui/startup_options_page.h"

#include <QVBoxLayout>

#include "app/options/options_settings.h"
#include "app/setting_names.h"
#include "core/user_prompt.h"

namespace vorlix {

using namespace setting;

StartupOptionsPage::StartupOptionsPage(OptionsSettings& settings, UserPrompt& prompt,
                                       QWidget* parent)
    : SettingsPageWidget(settings, OptionsPageId::Startup, QStringLiteral("Startup"), parent) {
    addCheckBox(body(), QStringLiteral("Run Orvanta On Startup"), kAutoStart,
                [this, &prompt](bool on) {
                    if (const Result changed = this->settings().setRunAtLogon(on); !changed.ok()) {
                        prompt.message(changed.message(), MessageIcon::Warning);
                    }
                });
    addCheckBox(body(), QStringLiteral("Minimize QX to the Tray when started"), kMinimized);
    addCheckBox(body(), QStringLiteral("Load Last Database"), kLoadDb);
    addCheckBox(body(), QStringLiteral("Check Network Status on Startup"), kNetStatus);
    addCheckBox(body(), QStringLiteral("Enable Scan Filter on Start Up"), kFilter);
    addCheckBox(body(), QStringLiteral("Show Tips And Tricks On Startup"), kTipStartUp);
}

}  // namespace vorlix
