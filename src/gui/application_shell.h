#pragma once

#include "app/document_services.h"

namespace vorlix {

class CMainFrame;

// The application as the document sees it: ending the program and closing the main window.
class ApplicationShell final : public ApplicationControl {
public:
    void setMainWindow(CMainFrame* window) { m_window = window; }
    // Set once quit() was asked for, also before the event loop runs.
    bool quitRequested() const { return m_quitRequested; }

    void quit() override;
    void closeMainWindow() override;

private:
    CMainFrame* m_window = nullptr;
    bool m_quitRequested = false;
};

}  // namespace vorlix
