#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "scan/scan_session.h"
#include "scan/ui/scan_filter_dialog.h"

class QWidget;

namespace vorlix {

class FilterLists;
class SettingsStore;
class UserPrompt;

// Opens the scan filter dialog for a scan dialog: one window at a time, over the detected
// extensions of that dialog's scan.
class ScanFilterWindow final : public ScanFilterOpener {
public:
    ScanFilterWindow(FilterLists& lists, UserPrompt& prompt, SettingsStore& settings,
                     QWidget* parent);

    void open(std::vector<std::string>& detected) override;
    // Ends the window, if one is open: a new walk is about to refill what it edits.
    void close();
    ScanFilterDialog* window() const { return m_window; }

private:
    FilterLists& m_lists;
    UserPrompt& m_prompt;
    SettingsStore& m_settings;
    QWidget* m_parent;
    QPointer<ScanFilterDialog> m_window;
};

}  // namespace vorlix
