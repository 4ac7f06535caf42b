#include "views/file_list_icon_provider.h"

#include <QApplication>
#include <QStyle>

#include "app/ui/qt_text.h"

namespace vorlix {

FileListIconProvider::FileListIconProvider()
    : m_generic(QIcon::fromTheme(QStringLiteral("text-x-generic"),
                                 QApplication::style()->standardIcon(QStyle::SP_FileIcon))) {}

const QIcon& FileListIconProvider::icon(const std::string& extension) {
    auto found = m_icons.find(extension);
    if (found == m_icons.end()) {
        found = m_icons.emplace(extension, lookUp(extension)).first;
    }
    return found->second;
}

QIcon FileListIconProvider::lookUp(const std::string& extension) const {
    if (extension.empty()) {
        return m_generic;
    }
    const QMimeType type = m_mimeTypes.mimeTypeForFile(QStringLiteral("file.") + toQt(extension),
                                                       QMimeDatabase::MatchExtension);
    return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), m_generic));
}

}  // namespace vorlix
