#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vorlix {

// The logic keeps every text as UTF-8; these are the only conversions to and from Qt.
inline QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

// "Description|*.ext|Other|*.x;*.y||" as the dialogs are specified, in Qt's filter form.
QString toQtFilter(std::string_view filter);

}  // namespace vorlix
