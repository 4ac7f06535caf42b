#include "app/settings/reg_file_settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <utility>

#include "app/settings/file_bytes.h"
#include "app/settings/private_folders.h"
#include "app/settings/reg_parser.h"
#include "app/settings/reg_writer.h"
#include "platform/safe_file_write.h"

namespace vorlix {

namespace {

// Where a write has to go: the file a symbolic link points to, so that a settings file kept
// elsewhere and linked into place stays linked.
std::string writeTarget(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) {
        return path;
    }
    const auto target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target.string();
}

std::string parentFolder(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

bool RegFileSettingsStore::FileStamp::operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

RegFileSettingsStore::RegFileSettingsStore(std::string path) : m_path(std::move(path)) {}

void RegFileSettingsStore::refresh() const {
    if (m_unsaved) {
        return;
    }
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        m_state =
            (errno == ENOENT || errno == ENOTDIR) ? FileState::Missing : FileState::Unreadable;
        m_document = {};
        m_stamp.reset();
        return;
    }
    struct stat info {};
    std::string bytes;
    const bool statted = ::fstat(fd, &info) == 0;
    const FileStamp stamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    if (statted && m_stamp && *m_stamp == stamp) {
        ::close(fd);
        return;
    }
    const bool read = statted && readAllFrom(fd, bytes);
    ::close(fd);
    if (!read) {
        m_state = FileState::Unreadable;
        m_document = {};
        m_stamp.reset();
        return;
    }
    m_document = parseRegText(bytes);
    m_document.mergeDuplicateKeys();
    m_state = FileState::Read;
    m_stamp = stamp;
}

void RegFileSettingsStore::save() {
    const std::string target = writeTarget(m_path);
    bool created = false;
    if (m_state == FileState::Missing) {
        // Made empty and private first: the atomic write keeps the mode of the file it replaces.
        const std::string folder = parentFolder(target);
        const int fd = (folder.empty() || createPrivateFolders(folder).ok())
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
    struct stat info {};
    m_state = FileState::Read;
    if (::stat(m_path.c_str(), &info) == 0) {
        m_stamp = FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    } else {
        m_stamp.reset();
    }
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
    const std::lock_guard lock(m_mutex);
    refresh();
    if (m_state == FileState::Unreadable || !edit(m_document)) {
        return;
    }
    if (m_batchDepth > 0) {
        m_unsaved = true;
    } else {
        save();
    }
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
    const std::lock_guard lock(m_mutex);
    ++m_batchDepth;
}

void RegFileSettingsStore::endBatch() {
    const std::lock_guard lock(m_mutex);
    if (m_batchDepth == 0 || --m_batchDepth > 0 || !m_unsaved) {
        return;
    }
    m_unsaved = false;
    save();
}

}  // namespace vorlix
