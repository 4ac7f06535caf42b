#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/result.h"

namespace vorlix {

// Puts files on disk with the safe file write on a thread of its own, in the order they were
// handed over, so that whoever hands them over never waits for the disk. A file handed over
// again before it was written is written once, with the newest bytes.
class BackgroundFileWriter {
public:
    // written runs on the writer's thread after each write, with the path and the outcome.
    explicit BackgroundFileWriter(std::function<void(const std::string&, const Result&)> written);
    // Writes what was handed over, then ends the thread.
    ~BackgroundFileWriter();
    BackgroundFileWriter(const BackgroundFileWriter&) = delete;
    BackgroundFileWriter& operator=(const BackgroundFileWriter&) = delete;

    // The file's bytes are the chunks one after another.
    void write(std::string path, std::vector<std::string> chunks);
    // Returns once everything handed over so far is on disk (or has failed).
    void waitUntilWritten();

private:
    void run();

    std::function<void(const std::string&, const Result&)> m_written;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<std::string, std::vector<std::string>>> m_pending;
    bool m_writing = false;
    bool m_ending = false;
    std::thread m_thread;
};

}  // namespace vorlix
