#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "net/copy_task_window.h"

namespace vorlix {

// Stands for the copy tasks window in the command-line copy: keeps rewriting a line with the
// percentage, the megabytes copied and the speed on a terminal (at most five times a second;
// nothing when the stream is not a terminal), and remembers how the copy ended.
class CopyProgressLine final : public CopyTaskWindow {
public:
    explicit CopyProgressLine(std::FILE* stream);

    int addItem(const std::string& destination, const std::string& cataloguedSize) override;
    void report(const std::string& message) override;
    int shownId() const override { return kId; }
    int stopId() const override { return 0; }

    // The destination of the copy, once it has started.
    const std::optional<std::string>& destination() const { return m_destination; }
    // The bytes copied, once the copy is complete.
    const std::optional<std::uint64_t>& completed() const { return m_completed; }
    // Clears the line, so that what follows starts on an empty one.
    void finish();

private:
    static constexpr int kId = 1;
    static constexpr std::chrono::milliseconds kInterval{200};

    std::FILE* m_stream;
    bool m_shown;
    bool m_written = false;
    std::chrono::steady_clock::time_point m_next;
    std::optional<std::string> m_destination;
    std::optional<std::uint64_t> m_completed;
};

}  // namespace vorlix
