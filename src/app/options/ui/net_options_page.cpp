#include "app/options/ui/net_options_page.h"

#include <QVBoxLayout>

#include "app/setting_names.h"

namespace vorlix {

using namespace setting;

NetOptionsPage::NetOptionsPage(OptionsSettings& settings, QWidget* parent)
    : SettingsPageWidget(settings, OptionsPageId::Net, QStringLiteral("Net Settings"), parent) {
    addCheckBox(body(), QStringLiteral("Visible by Default"), kVisible);
    addCheckBox(body(), QStringLiteral("Shared Database by Default"), kShareDb);
    addCheckBox(body(), QStringLiteral("Show confirm dialog when transferring files"),
                kConfirmTransfer);
    addCheckBox(body(), QStringLiteral("Show Transfer Dialog Automatically"), kTransferAuto);
    addCheckBox(body(), QStringLiteral("Remember Chat Dialog Size"), kChatSize);

    QVBoxLayout* clear = addGroup(body(), QStringLiteral("Clear Chat Dialog Automatically"));
    addCheckBox(clear, QStringLiteral("Enable"), kEnableClear);
    addNumberField(clear, QStringLiteral("Max Lines:"), kClearLines);
}

}  // namespace vorlix
