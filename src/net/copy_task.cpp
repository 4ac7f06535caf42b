#include "net/copy_task.h"

#include <algorithm>

#include "core/disc.h"
#include "core/file_data.h"
#include "core/text_case.h"

namespace vorlix {

namespace {

CopyFile copyFileOf(const CQXFileData& entry, std::string discNumber) {
    return {std::string(entry.folder()), std::string(entry.name()), std::string(entry.size()),
            std::move(discNumber)};
}

}  // namespace

CopyTask fileListCopyTask(const std::vector<CQXFileData*>& entries, const std::string& discNumber) {
    CopyTask task{CopyOrigin::FileList, {}};
    for (const CQXFileData* entry : entries) {
        task.files.push_back(copyFileOf(*entry, discNumber));
    }
    return task;
}

CopyTask searchResultsCopyTask(const std::vector<const CQXDisc*>& discs,
                               const std::vector<std::string>& wantedNames) {
    std::vector<std::string> wanted;
    for (const std::string& name : wantedNames) {
        wanted.push_back(lowerCase(name));
    }
    CopyTask task{CopyOrigin::SearchResults, {}};
    for (const CQXDisc* disc : discs) {
        for (const CQXFileData& entry : disc->files) {
            if (task.files.size() == wanted.size()) {
                return task;
            }
            if (std::find(wanted.begin(), wanted.end(), lowerCase(entry.name())) != wanted.end()) {
                task.files.push_back(copyFileOf(entry, std::string(disc->number())));
            }
        }
    }
    return task;
}

}  // namespace vorlix
