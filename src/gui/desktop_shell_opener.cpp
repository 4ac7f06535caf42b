#include "gui/desktop_shell_opener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "app/ui/qt_text.h"

namespace vorlix {

bool DesktopShellOpener::open(const std::string& target) {
    const QString text = toQt(target);
    if (text.startsWith(QLatin1Char('/'))) {
        return QFileInfo::exists(text) && QDesktopServices::openUrl(QUrl::fromLocalFile(text));
    }
    const QUrl address(text);
    return address.isValid() && QDesktopServices::openUrl(address);
}

}  // namespace vorlix
