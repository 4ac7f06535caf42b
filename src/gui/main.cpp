#include <QApplication>

#include "app/ui/qt_user_prompt.h"
#include "gui/fallback_icon_theme.h"
#include "gui/vorlix_application.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorlix"));
    // The program lives on in the tray while its windows are hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    vorlix::useFallbackIconThemeWhenNeeded();

    vorlix::QtUserPrompt prompt;
    vorlix::VorlixApplication vorlix(vorlix::startupLocationsFromEnvironment(), prompt);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (const auto status = vorlix.start(arguments)) {
        return *status;
    }
    return QApplication::exec();
}
