#include "app/ui/qt_text.h"

#include <QStringList>

namespace vorlix {

QString toQtFilter(std::string_view filter) {
    const QStringList parts = toQt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        // Qt takes the patterns from the parentheses at the end of each filter's text.
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString suffix = QStringLiteral("(") + patterns + QStringLiteral(")");
        filters << (parts[i].endsWith(suffix) ? parts[i] : parts[i] + QLatin1Char(' ') + suffix);
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace vorlix
