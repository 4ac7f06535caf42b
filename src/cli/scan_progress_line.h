#pragma once

#include <chrono>
#include <cstddef>
#include <cstdio>

namespace vorlix {

class ScanJob;

// The line a scan keeps rewriting on a terminal: files met, files recorded and their size, the
// folder in hand. Rewritten at most five times a second, so a fast walk is not slowed by its
// own progress; nothing is written when the stream is not a terminal.
class ScanProgressLine {
public:
    ScanProgressLine(std::FILE* stream, const ScanJob& job);

    // After every file the walk meets.
    void fileMet();
    // Clears the line, so that what follows starts on an empty one.
    void finish();

private:
    static constexpr std::chrono::milliseconds kInterval{200};

    std::FILE* m_stream;
    const ScanJob& m_job;
    bool m_shown;
    bool m_written = false;
    std::size_t m_met = 0;
    std::chrono::steady_clock::time_point m_next;
};

}  // namespace vorlix
