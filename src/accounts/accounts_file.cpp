#include "accounts/accounts_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "core/archive_writer.h"
#include "core/byte_sink.h"
#include "platform/file_lock.h"
#include "platform/file_source.h"
#include "platform/link_target.h"
#include "platform/safe_file_write.h"

namespace vorlix {

namespace {

// A reference to a record and the count of its own list: the least a record takes.
constexpr std::uint64_t kSmallestRecord = 2 + 2;

std::string joinPath(const std::string& folder, std::string_view name) {
    if (folder.empty() || folder.back() == '/') {
        return folder + std::string(name);
    }
    return folder + "/" + std::string(name);
}

}  // namespace

void readAccounts(ByteSource& source, const CodePage& codePage, AccountList& list) {
    if (source.size() == 0) {
        return;
    }
    ArchiveReader reader(source, codePage, {&persistent_class::kLog});
    const std::uint32_t count = reader.readCount();
    reader.requireRemaining(count, kSmallestRecord);
    for (std::uint32_t i = 0; i < count; ++i) {
        const ObjectReference reference = reader.readReference();
        if (reference.kind != ObjectReference::Kind::NewObject) {
            reader.fail("expected a new CLog record");
        }
        // A record's own list is always empty; records nested in it would never be found by a
        // login, so such a file is refused rather than half understood.
        if (reader.readCount() != 0) {
            reader.fail("an account record holds further records");
        }
        CLog record;
        if (reference.schema == persistent_class::kLog.schema) {
            reader.readText(record.nameDigest);
            reader.readText(record.passwordDigest);
        }
        list.addBack(std::move(record));
    }
}

void writeAccounts(const AccountList& list, const CodePage& codePage, ByteSink& sink) {
    ArchiveWriter writer(codePage, sink);
    writer.writeCount(static_cast<std::uint32_t>(list.records().size()));
    for (const CLog& record : list.records()) {
        writer.beginObject(persistent_class::kLog);
        writer.writeCount(0);
        writer.writeText(record.nameDigest);
        writer.writeText(record.passwordDigest);
    }
    // The list is itself a CLog whose own two digests are empty.
    writer.writeText("");
    writer.writeText("");
    writer.flush();
}

std::string writeAccounts(const AccountList& list, const CodePage& codePage) {
    StringSink sink;
    writeAccounts(list, codePage, sink);
    return std::move(sink.bytes());
}

AccountsFile::AccountsFile(const std::string& programFolder, const CodePage& codePage)
    : m_path(joinPath(programFolder, kAccountsFileName)), m_codePage(codePage) {}

Result AccountsFile::createIfMissing() const {
    // Made in one step that fails when anything is there already, so that a program making it
    // can never empty a file that another has just saved accounts into. A link to a file not
    // yet made gets it where it points, as a save would.
    const int fd =
        ::open(linkTarget(m_path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::close(fd);
        return Result::success();
    }
    if (errno == EEXIST) {
        return Result::success();
    }
    return Result::failure("Could not create the accounts file \"" + m_path +
                           "\": " + std::strerror(errno) + ".");
}

Result AccountsFile::leaveAsItIs(const std::string& state, std::string_view lost) {
    m_writable = Result::failure("The accounts file \"" + m_path + "\" " + state +
                                 "; it is left as it is. " + std::string(lost) +
                                 " cannot be used, and adding, changing and deleting accounts is "
                                 "refused until the file is repaired or replaced.");
    return m_writable;
}

Result AccountsFile::load(AccountList& list) {
    list.clear();
    m_writable = Result::success();
    std::unique_ptr<FileSource> source;
    try {
        source = std::make_unique<FileSource>(m_path);
    } catch (const std::exception& e) {
        std::error_code error;
        // A file that is not there holds no accounts that a save could lose.
        if (!std::filesystem::exists(m_path, error) && !error) {
            return Result::failure("Could not open the accounts file \"" + m_path +
                                   "\": " + e.what() + ".");
        }
        return leaveAsItIs("cannot be read (" + std::string(e.what()) + ")",
                           "Accounts that could not be read");
    }
    try {
        readAccounts(*source, m_codePage, list);
    } catch (const ArchiveError& e) {
        return leaveAsItIs("is damaged at byte " + std::to_string(e.offset()),
                           "Accounts stored after that point");
    } catch (const std::exception& e) {
        return leaveAsItIs("cannot be read (" + std::string(e.what()) + ")",
                           "Accounts that could not be read");
    }
    return Result::success();
}

Result AccountsFile::save(const AccountList& list) const {
    if (!m_writable.ok()) {
        return m_writable;
    }
    const Result written = safeWriteFile(
        m_path, [this, &list](ByteSink& sink) { writeAccounts(list, m_codePage, sink); });
    if (written.ok()) {
        return written;
    }
    return Result::failure("Could not save the accounts file \"" + m_path +
                           "\": " + written.message() + ". The file on disk was not changed.");
}

Result AccountsFile::update(AccountList& list, const std::function<bool(AccountList&)>& change) {
    FileLock lock;
    if (const Result locked = lock.acquire(m_path); !locked.ok()) {
        change(list);
        return Result::failure("Could not change the accounts file \"" + m_path +
                               "\": " + locked.message() + ". The file on disk was not changed.");
    }
    if (const Result created = createIfMissing(); !created.ok()) {
        return created;
    }
    if (const Result loaded = load(list); !loaded.ok()) {
        return loaded;
    }
    return change(list) ? save(list) : Result::success();
}

}  // namespace vorlix
