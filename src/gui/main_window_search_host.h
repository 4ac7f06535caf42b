#pragma once

#include "tasks/search_window/search_window_host.h"

namespace vorlix {

class CMainFrame;
class StandInDocumentWindows;

// The main window and the other search windows as a search window reaches them.
class MainWindowSearchHost final : public SearchWindowHost {
public:
    explicit MainWindowSearchHost(StandInDocumentWindows& windows) : m_windows(windows) {}

    // The main window, once it is up; it must outlive every later call.
    void setMainWindow(CMainFrame* window) { m_mainWindow = window; }

    void minimizeSearchWindows() override;
    void maximizeMainWindow() override;

private:
    StandInDocumentWindows& m_windows;
    CMainFrame* m_mainWindow = nullptr;
};

}  // namespace vorlix
