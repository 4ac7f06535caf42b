#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace vorlix {

class CodePage;

// File names of the two scan filter lists in the program folder.
inline constexpr std::string_view kKeepListFileName = "ext.txt";
inline constexpr std::string_view kSkipListFileName = "noscan.txt";

// Written after every entry; on reading, a line also ends at a bare LF.
inline constexpr std::string_view kListLineEnd = "\r\n";

// One scan filter list file: an extension per line, in the ANSI code page. Lines are taken as
// they are, without trimming, so what the file holds is exactly what the scan compares against.
class FilterListFile {
public:
    FilterListFile(std::string path, const CodePage& codePage);

    const std::string& path() const { return m_path; }

    // Reads the entries in file order. A failure carries the message that names the file and
    // the reason; entries is then left as it was.
    Result read(std::vector<std::string>& entries) const;

    // Replaces the whole file (creating it when missing) with entries, each followed by CR LF,
    // holding the file's lock while it does. A failure carries the message that names the file
    // and the reason; the file on disk is then unchanged.
    Result write(const std::vector<std::string>& entries) const;

    // One change of the list: reads the file again, lets change edit its entries and rewrites
    // it, holding the file's lock from the read to the write, so that entries another program
    // wrote meanwhile are kept; a file that is missing starts from entries. On success entries
    // holds what the file holds now; a failure carries the message, and the file and entries
    // are then unchanged.
    Result update(std::vector<std::string>& entries,
                  const std::function<void(std::vector<std::string>&)>& change) const;

    // The byte form of a list and back; format fails when an entry holds a character that
    // the code page cannot store.
    static std::vector<std::string> parse(std::string_view bytes, const CodePage& codePage);
    static std::optional<std::string> format(const std::vector<std::string>& entries,
                                             const CodePage& codePage);

private:
    // The file's entries, or, with missing set, none for a file that is not there.
    Result readEntries(std::vector<std::string>& entries, bool& missing) const;
    Result writeLocked(const std::vector<std::string>& entries) const;

    std::string m_path;
    const CodePage& m_codePage;
};

}  // namespace vorlix
