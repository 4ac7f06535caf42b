#pragma once

#include <sys/types.h>

#include <ctime>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "app/settings/reg_document.h"
#include "app/settings_store.h"

namespace vorlix {

// The user's settings on Linux: one file in the registry editor's export format, holding the
// keys, value names and types of the registry that the Windows program uses, so that settings
// move between the two with the registry editor. The file is read again whenever it changed on
// disk, and every change replaces it atomically.
//
// Nothing is ever reported: a missing file reads as empty, and a file that cannot be read
// makes every read give its default and every write do nothing, so that it is never replaced
// by one made from defaults. Lines of the file that cannot be taken apart read as nothing but
// are written back unchanged, so a damaged line does not cost the values around it. A new file
// is readable by its owner only, since it holds login digests. Safe to use from several
// threads.
class RegFileSettingsStore final : public SettingsStore {
public:
    explicit RegFileSettingsStore(std::string path);

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
    struct FileStamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
        bool operator==(const FileStamp& other) const;
    };

    // Both expect m_mutex to be held.
    void refresh() const;
    void save();

    std::optional<RegValue> value(std::string_view key, std::string_view name,
                                  reg::ValueType type) const;
    void change(const std::function<bool(RegDocument&)>& edit);

    std::string m_path;
    mutable std::mutex m_mutex;
    mutable RegDocument m_document;
    mutable FileState m_state = FileState::Missing;
    mutable std::optional<FileStamp> m_stamp;
    int m_batchDepth = 0;
    bool m_unsaved = false;
};

}  // namespace vorlix
