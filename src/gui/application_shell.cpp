#include "gui/application_shell.h"

#include <QCoreApplication>

#include "gui/main_frame.h"

namespace vorlix {

void ApplicationShell::quit() {
    m_quitRequested = true;
    QCoreApplication::exit(0);
}

void ApplicationShell::closeMainWindow() {
    if (m_window != nullptr) {
        m_window->closeForGood();
    }
}

}  // namespace vorlix
