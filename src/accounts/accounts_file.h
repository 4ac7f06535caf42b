#pragma once

#include <string>
#include <string_view>

#include "accounts/account_list.h"
#include "core/archive_reader.h"

namespace vorlix {

class ByteSink;
class ByteSource;
class CodePage;

inline constexpr std::string_view kAccountsFileName = "qxdata.inf";

namespace persistent_class {
// Versionable so that records of other schemas are read (without their digests) rather than
// refused, as the accounts files of earlier versions need.
inline constexpr ArchiveClass kLog{"CLog", 4, true};
}  // namespace persistent_class

// Reads the records of an accounts file and appends them to list in file order. The list's own
// trailing texts are not read. An empty source holds no accounts. Throws ArchiveError with the
// offset of the first failure; the records read before it stay in list.
void readAccounts(ByteSource& source, const CodePage& codePage, AccountList& list);

// The file form of the account list, trailing texts included. Throws what the sink throws.
void writeAccounts(const AccountList& list, const CodePage& codePage, ByteSink& sink);
std::string writeAccounts(const AccountList& list, const CodePage& codePage);

// The accounts file of a program folder on disk. Every operation returns an empty text on
// success, else the message for the user, naming the file.
class AccountsFile {
public:
    AccountsFile(const std::string& programFolder, const CodePage& codePage);

    const std::string& path() const { return m_path; }
    // An empty file when there is no file yet, so that the folder always holds one.
    std::string createIfMissing() const;
    // Replaces the list by the file's accounts. When the file is damaged, the records before
    // the damage are kept and the message gives the byte offset where reading stopped.
    std::string load(AccountList& list) const;
    // Replaces the file without ever leaving a half-written one.
    std::string save(const AccountList& list) const;

private:
    std::string m_path;
    const CodePage& m_codePage;
};

}  // namespace vorlix
