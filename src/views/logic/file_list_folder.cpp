#include "views/logic/file_list_folder.h"

#include "core/file_data.h"
#include "core/text_case.h"

namespace vorlix {

FileListFolder::FileListFolder(std::string_view itemPath)
    : m_discItem(itemPath.find('\\') == std::string_view::npos) {
    if (!m_discItem) {
        m_wanted = lowerCase(afterFirstBackslash(itemPath)) + "\\";
    }
}

bool FileListFolder::holds(const CQXFileData& entry) const {
    const std::string_view folder = entry.folder();
    if (m_discItem) {
        return !folder.empty() && folder.substr(1) == ":\\";
    }
    return lowerCase(afterFirstBackslash(folder)) == m_wanted;
}

std::string_view afterFirstBackslash(std::string_view text) {
    const std::size_t slash = text.find('\\');
    return slash == std::string_view::npos ? text : text.substr(slash + 1);
}

}  // namespace vorlix
