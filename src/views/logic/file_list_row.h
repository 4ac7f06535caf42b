#pragma once

#include <string>

namespace vorlix {

class CQXFileData;

// One row of the file list: the entry it shows, its three column texts, and the keys the
// columns sort by, worked out once so that sorting a large folder only compares.
struct FileListRow {
    CQXFileData* entry = nullptr;
    std::string name;
    std::string size;
    std::string type;
    std::string nameKey;  // name lower-cased
    std::string typeKey;  // type lower-cased
    double sizeKey = 0;   // the number the size text shows
};

FileListRow fileListRow(CQXFileData& entry);

// Shows a new name in the row, keeping its sort key in step.
void setRowName(FileListRow& row, std::string name);

// The file name the row shows, lower-cased: Name, and "." and Type when there is a Type.
std::string rowFileName(const FileListRow& row);

}  // namespace vorlix
