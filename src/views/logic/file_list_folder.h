#pragma once

#include <string>
#include <string_view>

namespace vorlix {

class CQXFileData;

// The folder that a disc tree item stands for, told by the item's path ("12 BACKUP" or
// "12 BACKUP\Music\Rock"), and which file entries lie directly in it. The disc item holds the
// entries of the drive root; a folder item those whose folder path below the drive equals the
// item's path below the disc, without regard to case.
class FileListFolder {
public:
    explicit FileListFolder(std::string_view itemPath);

    bool holds(const CQXFileData& entry) const;

private:
    bool m_discItem;
    std::string m_wanted;  // "music\rock\"
};

// The text after the first "\", or the whole text when it has none.
std::string_view afterFirstBackslash(std::string_view text);

}  // namespace vorlix
