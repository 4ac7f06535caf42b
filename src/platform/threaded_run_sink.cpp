#include "platform/threaded_run_sink.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vorlix {

ThreadedRunSink::ThreadedRunSink(ByteSink& next, std::size_t runSize, std::size_t runCount)
    : m_next(next), m_runSize(runSize), m_runCount(std::max<std::size_t>(runCount, 1)) {}

ThreadedRunSink::~ThreadedRunSink() {
    endWriter(true);
}

void ThreadedRunSink::write(const char* data, std::size_t n) {
    while (n > 0) {
        if (!m_filling.bytes) {
            m_filling = takeFreeRun();
        }
        const std::size_t part = std::min(n, m_runSize - m_filling.size);
        std::memcpy(m_filling.bytes.get() + m_filling.size, data, part);
        m_filling.size += part;
        data += part;
        n -= part;
        if (m_filling.size == m_runSize) {
            handOver(std::exchange(m_filling, Run{}));
        }
    }
}

void ThreadedRunSink::finish() {
    if (m_filling.size > 0) {
        if (!m_thread.joinable()) {
            // Nothing went to the thread yet: the whole output is this one short run.
            const Run last = std::exchange(m_filling, Run{});
            m_next.write(last.bytes.get(), last.size);
            return;
        }
        handOver(std::exchange(m_filling, Run{}));
    }
    endWriter(false);
    throwIfFailed();
}

ThreadedRunSink::Run ThreadedRunSink::takeFreeRun() {
    std::unique_lock lock(m_mutex);
    throwIfFailed();
    if (m_free.empty() && m_allocated < m_runCount) {
        ++m_allocated;
        return Run{std::make_unique_for_overwrite<char[]>(m_runSize), 0};
    }
    m_changed.wait(lock, [this] { return !m_free.empty() || m_failure; });
    throwIfFailed();
    Run run = std::move(m_free.back());
    m_free.pop_back();
    run.size = 0;
    return run;
}

void ThreadedRunSink::handOver(Run run) {
    {
        const std::lock_guard lock(m_mutex);
        m_queued.push_back(std::move(run));
    }
    m_changed.notify_all();
    if (!m_thread.joinable()) {
        m_thread = std::thread([this] { runWriter(); });
    }
}

void ThreadedRunSink::runWriter() {
    std::unique_lock lock(m_mutex);
    while (true) {
        m_changed.wait(lock, [this] { return !m_queued.empty() || m_ending; });
        if (m_dropping || m_queued.empty()) {
            return;
        }
        Run run = std::move(m_queued.front());
        m_queued.pop_front();
        lock.unlock();
        try {
            m_next.write(run.bytes.get(), run.size);
        } catch (...) {
            lock.lock();
            m_failure = std::current_exception();
            m_changed.notify_all();
            return;
        }
        lock.lock();
        m_free.push_back(std::move(run));
        m_changed.notify_all();
    }
}

void ThreadedRunSink::endWriter(bool drop) {
    {
        const std::lock_guard lock(m_mutex);
        m_ending = true;
        m_dropping = drop;
    }
    m_changed.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

// Called under the lock, or once the thread has ended.
void ThreadedRunSink::throwIfFailed() {
    if (m_failure) {
        std::rethrow_exception(m_failure);
    }
}

}  // namespace vorlix
