#include "views/logic/file_list_columns.h"

#include <string_view>
#include <unordered_set>

namespace vorlix {

FileListLeastWidths fileListLeastWidths(int screenWidth) {
    return screenWidth == 800 ? FileListLeastWidths{40, 40} : FileListLeastWidths{70, 40};
}

std::vector<std::string> distinctTypes(const std::vector<FileListRow>& rows) {
    std::vector<std::string> types;
    std::unordered_set<std::string_view> seen;
    for (const FileListRow& row : rows) {
        if (seen.insert(row.type).second) {
            types.push_back(row.type);
        }
    }
    return types;
}

}  // namespace vorlix
