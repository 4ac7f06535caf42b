// Starts the desktop program as `vorlix [CATALOGUE]` does and ends the process as soon as the
// main window has shown the catalogue. It prints two waits in milliseconds, counted from the
// launch time the caller puts in VORLIX_BENCH_LAUNCHED_NS (date +%s%N): until the main window
// first painted, and until it painted with the catalogue in its panes. Run it with HOME and the
// XDG folders pointing into a scratch folder: it sets up an account there that logs in by
// itself, as a returning user's does.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "accounts/accounts_file.h"
#include "accounts/text_digest.h"
#include "app/setting_names.h"
#include "app/settings/first_start_installation.h"
#include "app/settings/private_folders.h"
#include "app/settings/program_folder_choice.h"
#include "app/settings/reg_file_settings_store.h"
#include "app/ui/qt_user_prompt.h"
#include "core/code_page.h"
#include "gui/vorlix_application.h"

namespace {

constexpr std::string_view kUser = "bench";
constexpr std::string_view kPassword = "bench";

void logInByItself(const vorlix::StartupLocations& locations) {
    const vorlix::Windows1252 codePage;
    vorlix::RegFileSettingsStore settings(locations.settingsFile);
    // A first start imports the initial settings, which would undo the ones written here.
    static_cast<void>(
        vorlix::FirstStartInstallation(settings, locations.dataFolder, locations.programFolder)
            .run());
    const std::string folder =
        vorlix::chooseProgramFolder(settings, locations.programFolder).folder;
    if (const vorlix::Result created = vorlix::createPrivateFolders(folder); !created.ok()) {
        std::fprintf(stderr, "%s: %s\n", folder.c_str(), created.message().c_str());
        std::exit(1);
    }
    const std::string passwordDigest = vorlix::textDigest(kPassword, codePage);
    vorlix::AccountsFile file(folder, codePage);
    vorlix::AccountList accounts;
    static_cast<void>(file.load(accounts));
    const std::string nameDigest = vorlix::textDigest(kUser, codePage);
    if (accounts.findName(nameDigest) == nullptr) {
        accounts.addFront(vorlix::CLog{nameDigest, passwordDigest});
        if (const vorlix::Result saved = file.save(accounts); !saved.ok()) {
            std::fprintf(stderr, "%s\n", saved.message().c_str());
            std::exit(1);
        }
    }
    settings.writeNumber(vorlix::setting::kSettingsKey, vorlix::setting::kAutoLogin, 1);
    settings.writeText(vorlix::setting::kSettingsKey, vorlix::setting::kLastLogName, kUser);
    settings.writeText(vorlix::setting::kSettingsKey, vorlix::setting::kLastPasswordDigest,
                       passwordDigest);
}

double millisecondsSinceLaunch() {
    const char* launched = std::getenv("VORLIX_BENCH_LAUNCHED_NS");
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return launched == nullptr ? 0.0 : (now.count() - std::atoll(launched)) / 1e6;
}

// Notes the time of the main window's first paint.
class FirstPaint : public QObject {
public:
    std::optional<double> at;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!at && event->type() == QEvent::Paint) {
            if (auto* widget = qobject_cast<QWidget*>(watched);
                widget != nullptr && qobject_cast<QMainWindow*>(widget->window()) != nullptr) {
                at = millisecondsSinceLaunch();
            }
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorlix"));
    QApplication::setQuitOnLastWindowClosed(false);
    FirstPaint firstPaint;
    application.installEventFilter(&firstPaint);

    const vorlix::StartupLocations locations = vorlix::startupLocationsFromEnvironment();
    logInByItself(locations);
    vorlix::QtUserPrompt prompt;
    vorlix::VorlixApplication vorlix(locations, prompt);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (const auto status = vorlix.start(arguments)) {
        return *status;
    }
    // start() returns with the window shown and the catalogue in its panes; the first turn of
    // the event loop paints them.
    QTimer::singleShot(0, [&firstPaint] {
        QCoreApplication::processEvents();
        const double shown = millisecondsSinceLaunch();
        std::printf("%.0f %.0f\n", firstPaint.at.value_or(shown), shown);
        std::fflush(nullptr);
        std::_Exit(0);
    });
    return QApplication::exec();
}
