#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "scan/filter_list_file.h"

namespace vorlix {

class CodePage;

enum class FilterDecision { Record, Skip };

// The scan filter: the keep list (extensions to record) and the skip list (extensions left out
// without asking), each kept in memory in file order together with its file in the program
// folder. One object lives as long as the document; the scan and the filter dialog share it.
class FilterLists {
public:
    // programFolder ends with its separator, as the document keeps it.
    FilterLists(const std::string& programFolder, const CodePage& codePage);

    // Replaces both lists with the contents of their files. A failure carries the message
    // naming the file that could not be read and why; both lists are then unchanged, so a later
    // rewrite cannot turn a passing read failure into lost entries.
    Result load();

    // Rewrite a list file from its list; the same result as FilterListFile::write.
    Result writeKeepList() const;
    Result writeSkipList() const;
    // Changes the skip list on top of what its file holds now, which is rewritten; the same
    // result as FilterListFile::update, whose entries are the skip list.
    Result updateSkipList(const std::function<void(std::vector<std::string>&)>& change);

    std::vector<std::string>& keepList() { return m_keep; }
    const std::vector<std::string>& keepList() const { return m_keep; }
    std::vector<std::string>& skipList() { return m_skip; }
    const std::vector<std::string>& skipList() const { return m_skip; }

    const FilterListFile& keepFile() const { return m_keepFile; }
    const FilterListFile& skipFile() const { return m_skipFile; }

    // Whether a scan with the filter on records the file called fileName. The extension is the
    // text after the last "." lower-cased; one on neither list is skipped and appended to
    // detected unless detected holds it already. A name without "." is recorded unless
    // skipFilesWithoutExtension is set.
    FilterDecision decide(std::string_view fileName, bool skipFilesWithoutExtension,
                          std::vector<std::string>& detected) const;

private:
    FilterListFile m_keepFile;
    FilterListFile m_skipFile;
    std::vector<std::string> m_keep;
    std::vector<std::string> m_skip;
};

}  // namespace vorlix
