#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "app/settings/reg_document.h"
#include "app/settings_store.h"
#include "platform/file_identity.h"
#include "platform/file_lock.h"

namespace vorlix {

// The largest settings file that is read: a bigger one would take seconds and hundreds of
// megabytes to take apart, and is no settings file the program wrote.
inline constexpr std::size_t kLargestSettingsFile = 16 * 1024 * 1024;

// Told, with the message for the user, why the settings file is left as it is or why a change
// could not be stored. Called on the thread that read or changed a setting, while the store is
// busy: it must not use the store.
using SettingsProblemReport = std::function<void(const std::string& message)>;

// The user's settings on Linux: one file in the registry editor's export format, holding the
// keys, value names and types of the registry that the Windows program uses, so that settings
// move between the two with the registry editor. The file is read again whenever it changed on
// disk, and every change replaces it atomically.
//
// Each change, and each batch of changes, holds the file's lock from reading the file to
// replacing it, so that programs changing settings at the same time keep each other's changes.
//
// A missing file reads as empty. A file that cannot be read, is not a regular file or is
// larger than kLargestSettingsFile makes every read give its default and every write do
// nothing, so that it is never replaced by one made from defaults; the report is told once.
// Lines of the file that cannot be taken apart read as nothing but are written back unchanged,
// so a damaged line does not cost the values around it. A new file is readable by its owner
// only, since it holds login digests. Safe to use from several threads.
class RegFileSettingsStore final : public SettingsStore {
public:
    explicit RegFileSettingsStore(std::string path, SettingsProblemReport report = {});

    const std::string& path() const { return m_path; }

    std::uint32_t readNumber(std::string_view key, std::string_view name) const override;
    std::string readText(std::string_view key, std::string_view name,
                         std::size_t limit) const override;
    std::string readBinary(std::string_view key, std::string_view name) const override;

    void writeNumber(std::string_view key, std::string_view name, std::uint32_t value) override;
    void writeText(std::string_view key, std::string_view name, std::string_view value) override;
    void writeBinary(std::string_view key, std::string_view name, std::string_view bytes) override;
    void deleteValue(std::string_view key, std::string_view name) override;

    bool keyExists(std::string_view key) const override;
    void createKey(std::string_view key) override;
    void deleteKey(std::string_view key) override;

    void beginBatch() override;
    void endBatch() override;

private:
    enum class FileState { Missing, Read, Unreadable };

    // These expect m_mutex to be held. refresh() is true when it replaced the document.
    bool refresh() const;
    void leaveAlone(const std::string& state) const;
    void report(const std::string& message) const;
    bool lockForChange(FileLock& lock);
    void save();

    std::optional<RegValue> value(std::string_view key, std::string_view name,
                                  reg::ValueType type) const;
    void change(const std::function<bool(RegDocument&)>& edit);

    std::string m_path;
    SettingsProblemReport m_report;
    mutable std::mutex m_mutex;
    mutable RegDocument m_document;
    mutable FileState m_state = FileState::Missing;
    mutable std::optional<FileIdentity> m_stamp;
    // The last message told, so that a file read again and again is reported once.
    mutable std::string m_reported;
    FileLock m_batchLock;
    int m_batchDepth = 0;
    bool m_unsaved = false;
};

}  // namespace vorlix
