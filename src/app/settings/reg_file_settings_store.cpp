#include "app/settings/reg_file_settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "app/settings/file_bytes.h"
#include "app/settings/private_folders.h"
#include "app/settings/reg_parser.h"
#include "app/settings/reg_writer.h"
#include "platform/link_target.h"
#include "platform/regular_file.h"
#include "platform/safe_file_write.h"

namespace vorlix {

RegFileSettingsStore::RegFileSettingsStore(std::string path, SettingsProblemReport report)
    : m_path(std::move(path)), m_report(std::move(report)) {}

void RegFileSettingsStore::report(const std::string& message) const {
    if (message == m_reported) {
        return;
    }
    m_reported = message;
    if (m_report) {
        m_report(message);
    }
}

void RegFileSettingsStore::leaveAlone(const std::string& state) const {
    m_state = FileState::Unreadable;
    m_document = {};
    m_stamp.reset();
    report("The settings file \"" + m_path + "\" " + state +
           "; it is left as it is. Every setting reads as its default, and changed settings are "
           "not stored until the file is repaired or replaced.");
}

bool RegFileSettingsStore::refresh() const {
    if (m_unsaved) {
        return false;
    }
    const OpenedFile opened = openRegularFile(m_path);
    if (opened.fd < 0) {
        if (opened.missing) {
            m_state = FileState::Missing;
            m_document = {};
            m_stamp.reset();
            m_reported.clear();
        } else {
            leaveAlone("cannot be read (" + opened.failure + ")");
        }
        return true;
    }
    const FileIdentity stamp = FileIdentity::of(opened.info);
    if (m_stamp && *m_stamp == stamp) {
        ::close(opened.fd);
        return false;
    }
    std::string bytes;
    const bool read = opened.info.st_size <= static_cast<off_t>(kLargestSettingsFile) &&
                      readAllFrom(opened.fd, bytes, kLargestSettingsFile);
    const int failure = errno;
    ::close(opened.fd);
    if (opened.info.st_size > static_cast<off_t>(kLargestSettingsFile) ||
        bytes.size() > kLargestSettingsFile) {
        leaveAlone("is larger than " + std::to_string(kLargestSettingsFile / (1024 * 1024)) +
                   " MB");
        return true;
    }
    if (!read) {
        leaveAlone("cannot be read (" + std::string(std::strerror(failure)) + ")");
        return true;
    }
    m_document = parseRegText(bytes);
    m_document.mergeDuplicateKeys();
    m_state = FileState::Read;
    m_stamp = stamp;
    m_reported.clear();
    return true;
}

bool RegFileSettingsStore::lockForChange(FileLock& lock) {
    const std::string folder = folderOfPath(linkTarget(m_path));
    // The lock file goes beside the settings file, whose folder a first change makes.
    if (m_state == FileState::Missing && !createPrivateFolders(folder).ok()) {
        return false;
    }
    if (const Result locked = lock.acquire(m_path); !locked.ok()) {
        report("Could not store the settings in \"" + m_path + "\": " + locked.message() +
               ". The file on disk was not changed.");
        return false;
    }
    return true;
}

void RegFileSettingsStore::save() {
    const std::string target = linkTarget(m_path);
    bool created = false;
    if (m_state == FileState::Missing) {
        // Made empty and private first: the atomic write keeps the mode of the file it replaces.
        const std::string folder = folderOfPath(target);
        const int fd = createPrivateFolders(folder).ok()
                           ? ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600)
                           : -1;
        if (fd < 0) {
            m_stamp.reset();
            refresh();
            return;
        }
        ::close(fd);
        created = true;
    }
    if (!safeWriteFile(target, formatRegText(m_document)).ok()) {
        if (created) {
            ::unlink(target.c_str());
        }
        m_stamp.reset();
        refresh();
        return;
    }
    m_state = FileState::Read;
    m_stamp = fileIdentityAt(m_path);
}

std::optional<RegValue> RegFileSettingsStore::value(std::string_view key, std::string_view name,
                                                    reg::ValueType type) const {
    const std::lock_guard lock(m_mutex);
    refresh();
    const RegValue* found = m_document.findValue(key, name);
    if (found == nullptr || found->type != type) {
        return std::nullopt;
    }
    return *found;
}

std::uint32_t RegFileSettingsStore::readNumber(std::string_view key, std::string_view name) const {
    const auto found = value(key, name, reg::ValueType::Dword);
    return found && found->data.size() == 4 ? dwordFromData(found->data) : 0;
}

std::string RegFileSettingsStore::readText(std::string_view key, std::string_view name,
                                           std::size_t limit) const {
    auto found = value(key, name, reg::ValueType::String);
    return found && found->data.size() < limit ? std::move(found->data) : std::string();
}

std::string RegFileSettingsStore::readBinary(std::string_view key, std::string_view name) const {
    auto found = value(key, name, reg::ValueType::Binary);
    return found ? std::move(found->data) : std::string();
}

void RegFileSettingsStore::change(const std::function<bool(RegDocument&)>& edit) {
    const std::lock_guard guard(m_mutex);
    refresh();
    if (m_state == FileState::Unreadable) {
        return;
    }
    if (m_batchDepth > 0) {
        // A batch that could not take the lock stores nothing.
        if (m_batchLock.held() && edit(m_document)) {
            m_unsaved = true;
        }
        return;
    }
    if (!edit(m_document)) {
        return;
    }
    FileLock lock;
    if (!lockForChange(lock)) {
        m_stamp.reset();
        refresh();
        return;
    }
    // What another program stored since the file was read comes first; the change goes on top.
    if (refresh() && (m_state == FileState::Unreadable || !edit(m_document))) {
        return;
    }
    save();
}

void RegFileSettingsStore::writeNumber(std::string_view key, std::string_view name,
                                       std::uint32_t value) {
    change([&](RegDocument& document) {
        return document.setValue(key, {std::string(name), reg::ValueType::Dword, dwordData(value)});
    });
}

void RegFileSettingsStore::writeText(std::string_view key, std::string_view name,
                                     std::string_view value) {
    // A registry text ends at its terminator, so nothing after a zero byte could be read back.
    value = value.substr(0, value.find('\0'));
    change([&](RegDocument& document) {
        return document.setValue(key,
                                 {std::string(name), reg::ValueType::String, std::string(value)});
    });
}

void RegFileSettingsStore::writeBinary(std::string_view key, std::string_view name,
                                       std::string_view bytes) {
    change([&](RegDocument& document) {
        return document.setValue(key,
                                 {std::string(name), reg::ValueType::Binary, std::string(bytes)});
    });
}

void RegFileSettingsStore::deleteValue(std::string_view key, std::string_view name) {
    change([&](RegDocument& document) { return document.deleteValue(key, name); });
}

bool RegFileSettingsStore::keyExists(std::string_view key) const {
    const std::lock_guard lock(m_mutex);
    refresh();
    return m_document.keyExists(key);
}

void RegFileSettingsStore::createKey(std::string_view key) {
    change([&](RegDocument& document) { return document.createKey(key); });
}

void RegFileSettingsStore::deleteKey(std::string_view key) {
    change([&](RegDocument& document) { return document.deleteKey(key); });
}

void RegFileSettingsStore::beginBatch() {
    const std::lock_guard guard(m_mutex);
    if (m_batchDepth++ > 0) {
        return;
    }
    // Held from the batch's first read to its save, since what it stores may depend on what it
    // read.
    refresh();
    if (m_state != FileState::Unreadable) {
        static_cast<void>(lockForChange(m_batchLock));
    }
}

void RegFileSettingsStore::endBatch() {
    const std::lock_guard guard(m_mutex);
    if (m_batchDepth == 0 || --m_batchDepth > 0) {
        return;
    }
    if (m_unsaved) {
        m_unsaved = false;
        save();
    }
    m_batchLock.release();
}

}  // namespace vorlix
