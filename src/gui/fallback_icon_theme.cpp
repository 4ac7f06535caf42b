#include "gui/fallback_icon_theme.h"

#include <QIcon>
#include <QStandardPaths>
#include <QStringList>

#include "app/ui/qt_text.h"

namespace vorlix {

namespace {

// Every kind of file falls back to this icon, so a theme without it has none for files.
const QString kGenericFileIcon = QStringLiteral("text-x-generic");

}  // namespace

bool useFallbackIconThemeWhenNeeded() {
    const QString platformTheme = QIcon::themeName();
    if (!platformTheme.isEmpty() && QIcon::hasThemeIcon(kGenericFileIcon)) {
        return false;
    }
    // Without a platform theme Qt searches none of the system's icon folders either.
    QStringList searchPaths = QIcon::themeSearchPaths();
    for (const QString& folder :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                   QStandardPaths::LocateDirectory)) {
        if (!searchPaths.contains(folder)) {
            searchPaths.append(folder);
        }
    }
    QIcon::setThemeSearchPaths(searchPaths);
    QIcon::setThemeName(toQt(kFallbackIconTheme));
    if (QIcon::hasThemeIcon(kGenericFileIcon)) {
        return true;
    }
    QIcon::setThemeName(platformTheme);
    return false;
}

}  // namespace vorlix
