#include "gui/main_window_search_host.h"

#include "gui/main_frame.h"
#include "gui/stand_in_document_windows.h"

namespace vorlix {

void MainWindowSearchHost::minimizeSearchWindows() {
    m_windows.minimizeSearchWindows();
}

void MainWindowSearchHost::maximizeMainWindow() {
    if (m_mainWindow != nullptr) {
        m_mainWindow->restoreFromTray();
        m_mainWindow->showMaximized();
    }
}

}  // namespace vorlix
