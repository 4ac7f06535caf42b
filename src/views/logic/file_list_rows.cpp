#include "views/logic/file_list_rows.h"

#include "core/file_data.h"
#include "core/text_case.h"
#include "views/logic/file_list_folder.h"
#include "views/logic/file_list_texts.h"

namespace vorlix {

std::vector<FileListRow> folderRows(const std::vector<CQXFileData*>& files,
                                    std::string_view itemPath) {
    const FileListFolder folder(itemPath);
    std::vector<CQXFileData*> held;
    // Entries of one folder follow each other, so the answer for the previous folder text
    // usually serves the next entry as well.
    std::string_view lastFolder;
    bool lastHeld = false;
    bool first = true;
    for (CQXFileData* entry : files) {
        if (first || entry->folder() != lastFolder) {
            lastFolder = entry->folder();
            lastHeld = folder.holds(*entry);
            first = false;
        }
        if (lastHeld) {
            held.push_back(entry);
        }
    }
    // Counted first, so that a large folder's rows are never moved while the list grows.
    std::vector<FileListRow> rows;
    rows.reserve(held.size());
    for (CQXFileData* entry : held) {
        rows.push_back(fileListRow(*entry));
    }
    return rows;
}

std::optional<std::size_t> rowShowing(const std::vector<FileListRow>& rows,
                                      const CQXFileData& entry) {
    const std::string name = lowerCase(entry.name());
    const std::string size = fileSizeText(entry.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].size == size && rowFileName(rows[i]) == name) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace vorlix
