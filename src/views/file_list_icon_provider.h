#pragma once

#include <QIcon>
#include <QMimeDatabase>
#include <string>
#include <unordered_map>

namespace vorlix {

// The desktop icon theme's icon for a kind of file, told by the file name's extension alone:
// the files are on a disc that is usually not in the drive, so nothing is read from them.
// Each extension is looked up once.
class FileListIconProvider {
public:
    FileListIconProvider();

    // extension: without the dot, lower case; empty for a name without one.
    const QIcon& icon(const std::string& extension);

private:
    QIcon lookUp(const std::string& extension) const;

    QMimeDatabase m_mimeTypes;
    QIcon m_generic;
    std::unordered_map<std::string, QIcon> m_icons;
};

}  // namespace vorlix
