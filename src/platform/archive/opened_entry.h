#pragma once

#include <memory>
#include <string>
#include <utility>

#include "platform/disc_volume.h"

namespace vorlix {

// What a catalogued path opened as: a file to read, or why it could not be: nothing there at all
// (absent, so that the disc may be asked for), or something there that cannot be read (a damaged
// archive, a missing or encrypted member), with the message that says so.
class [[nodiscard]] OpenedEntry {
public:
    static OpenedEntry of(std::unique_ptr<VolumeFile> file) {
        return OpenedEntry(std::move(file), {});
    }
    static OpenedEntry absent() { return OpenedEntry(nullptr, {}); }
    static OpenedEntry failure(std::string message) {
        return OpenedEntry(nullptr, std::move(message));
    }

    bool ok() const { return m_file != nullptr; }
    bool absentFile() const { return !m_file && m_message.empty(); }
    // Why it failed; empty when it opened or nothing was there.
    const std::string& message() const { return m_message; }
    // The file, once; null when it did not open.
    std::unique_ptr<VolumeFile> take() { return std::move(m_file); }

private:
    OpenedEntry(std::unique_ptr<VolumeFile> file, std::string message)
        : m_file(std::move(file)), m_message(std::move(message)) {}

    std::unique_ptr<VolumeFile> m_file;
    std::string m_message;
};

}  // namespace vorlix
