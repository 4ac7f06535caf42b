#pragma once

#include <QWidget>

class QLabel;

namespace vorlix {

// A page of the options dialog, shown in the dialog's page area when its item is chosen.
class OptionsPage : public QWidget {
public:
    using QWidget::QWidget;

    // The dialog is closing with OK; the page hands over what OK takes from it.
    virtual void dialogAccepted() = 0;
    // The settings changed under the page (a restore): it shows them again.
    virtual void settingsReloaded() = 0;
};

// The title a page shows at its top, named "pageTitle".
QLabel* createPageTitle(const QString& text, QWidget* page);

}  // namespace vorlix
