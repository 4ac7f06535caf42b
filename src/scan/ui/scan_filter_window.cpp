#include "scan/ui/scan_filter_window.h"

#include "scan/ui/scan_filter_dialog.h"

namespace vorlix {

ScanFilterWindow::ScanFilterWindow(FilterLists& lists, UserPrompt& prompt, SettingsStore& settings,
                                   QWidget* parent)
    : m_lists(lists), m_prompt(prompt), m_settings(settings), m_parent(parent) {}

void ScanFilterWindow::open(std::vector<std::string>& detected) {
    close();
    m_window = new ScanFilterDialog(m_lists, detected, m_prompt, m_settings, m_parent);
    QObject::connect(m_window, &QDialog::finished, m_window, &QObject::deleteLater);
    m_window->show();
}

void ScanFilterWindow::close() {
    // Deleted at once rather than later: the rows it shows go stale as soon as it returns.
    delete m_window.data();
}

}  // namespace vorlix
