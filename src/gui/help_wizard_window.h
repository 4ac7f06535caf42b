#pragma once

#include <QTextBrowser>
#include <string>

namespace vorlix {

// The help wizard: a window of its own that shows the installation's page
// doc/web/wizard/index.html and the pages it links to. Web links open in the desktop's browser.
class HelpWizardWindow : public QTextBrowser {
    Q_OBJECT

public:
    // programFolder ends with "/".
    explicit HelpWizardWindow(const std::string& programFolder, QWidget* parent = nullptr);
};

}  // namespace vorlix
