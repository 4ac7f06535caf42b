#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "core/byte_sink.h"

namespace vorlix {

// Hands the bytes written to it on to another sink from a thread of its own, so that whoever
// produces them (a catalogue's serialiser) goes on while the other sink waits for the disk. The
// bytes go on in runs of a fixed size, at most `runCount` of them in memory at once: a producer
// that gets ahead waits for a run to come free. The first failure of the other sink ends the
// writing and is thrown to the producer by its next write or by finish(). Output shorter than a
// run never starts the thread: finish() hands it on from the caller's thread.
class ThreadedRunSink final : public ByteSink {
public:
    ThreadedRunSink(ByteSink& next, std::size_t runSize, std::size_t runCount);
    // Without finish(), what was not handed on yet is dropped; the thread has ended on return.
    ~ThreadedRunSink() override;
    ThreadedRunSink(const ThreadedRunSink&) = delete;
    ThreadedRunSink& operator=(const ThreadedRunSink&) = delete;

    void write(const char* data, std::size_t n) override;
    // Hands on the rest and returns once the other sink has taken every byte, with the thread
    // ended; throws what the other sink threw.
    void finish();

private:
    struct Run {
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
    };

    // A run to fill, waiting for one to come free when all are in use.
    Run takeFreeRun();
    void handOver(Run run);
    void runWriter();
    // Ends the thread once it has handed on what was queued, or at once when `drop`.
    void endWriter(bool drop);
    void throwIfFailed();

    ByteSink& m_next;
    const std::size_t m_runSize;
    const std::size_t m_runCount;
    Run m_filling;
    std::size_t m_allocated = 0;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Run> m_queued;
    std::vector<Run> m_free;
    std::exception_ptr m_failure;
    bool m_ending = false;
    bool m_dropping = false;
    std::thread m_thread;
};

}  // namespace vorlix
