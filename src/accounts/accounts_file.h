#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "accounts/account_list.h"
#include "core/archive_reader.h"
#include "core/result.h"

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

// The accounts file of a program folder on disk. Every failure carries the message for the
// user, naming the file.
//
// A file that is there but could not be read whole is never written again by this object:
// the list in memory then lacks the accounts after the damage, and saving it would delete them
// for good. The user repairs or replaces the file; until then the accounts that were read can
// still log in.
class AccountsFile {
public:
    AccountsFile(const std::string& programFolder, const CodePage& codePage);

    const std::string& path() const { return m_path; }
    // An empty file when there is no file yet, so that the folder always holds one.
    Result createIfMissing() const;
    // Replaces the list by the file's accounts. A damaged file keeps the records before the
    // damage in the list and fails with the message that gives the byte offset where reading
    // stopped; from then on writable() fails with the same message.
    Result load(AccountList& list);
    // Success unless the last load could not read the whole of an existing file; the failure
    // then says why the file is left as it is.
    const Result& writable() const { return m_writable; }
    // Replaces the file without ever leaving a half-written one; refused while writable()
    // fails.
    Result save(const AccountList& list) const;
    // One change of the accounts: reads the file again into list, lets change edit it and saves
    // it when change says there is something to save, holding the file's lock from the read to
    // the save, so that accounts another program added or removed meanwhile are kept. When the
    // file cannot be locked, the change is made to list alone, which then differs from the
    // file as after a failed save, and the failure says why.
    Result update(AccountList& list, const std::function<bool(AccountList&)>& change);

private:
    // Marks the file as not to be written and gives the reason.
    Result leaveAsItIs(const std::string& state, std::string_view lost);

    std::string m_path;
    const CodePage& m_codePage;
    Result m_writable = Result::success();
};

}  // namespace vorlix
