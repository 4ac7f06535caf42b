#include "views/logic/file_list_row.h"

#include "core/file_data.h"
#include "core/text_case.h"
#include "views/logic/file_list_texts.h"

namespace vorlix {

FileListRow fileListRow(CQXFileData& entry) {
    FileListRow row;
    row.entry = &entry;
    const std::string_view fileName = entry.name();
    setRowName(row, fileNameStem(fileName));
    row.size = fileSizeText(entry.size());
    row.sizeKey = sizeTextValue(row.size);
    row.type = fileTypeText(fileName);
    row.typeKey = lowerCase(row.type);
    return row;
}

void setRowName(FileListRow& row, std::string name) {
    row.nameKey = lowerCase(name);
    row.name = std::move(name);
}

std::string rowFileName(const FileListRow& row) {
    return row.typeKey.empty() ? row.nameKey : row.nameKey + "." + row.typeKey;
}

}  // namespace vorlix
