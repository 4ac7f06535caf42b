#pragma once

#include <string>
#include <vector>

namespace vorlix {

class CQXDisc;
class CQXFileData;

// Where a copy was asked for: the questions and refusals are worded for each.
enum class CopyOrigin { FileList, SearchResults };

// One catalogued file to copy, its texts taken when the copy was asked for, so that the copy
// never reads the catalogue, which the user may change meanwhile.
struct CopyFile {
    std::string folder;  // "d:\music\"
    std::string name;
    std::string size;  // as catalogued; the copy goes by the real size
    std::string discNumber;
};

// The files a copy takes from their discs, in order.
struct CopyTask {
    CopyOrigin origin = CopyOrigin::FileList;
    std::vector<CopyFile> files;
};

// A task over file list entries of the disc numbered discNumber, in the order given.
CopyTask fileListCopyTask(const std::vector<CQXFileData*>& entries, const std::string& discNumber);

// A task over search results: from each disc in order, its entries whose name equals one of
// the wanted names without regard to case, until as many files as names are taken.
CopyTask searchResultsCopyTask(const std::vector<const CQXDisc*>& discs,
                               const std::vector<std::string>& wantedNames);

// Starts copies; the copy tasks window shows them.
class CopyTaskStarter {
public:
    virtual ~CopyTaskStarter() = default;
    // Returns at once: the copy runs on a thread of its own.
    virtual void start(CopyTask task) = 0;
};

}  // namespace vorlix
