#include "core/ordered_batches.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace vorlix {

namespace {

// The turn of the batch to consume next, and the first failure.
class Turns {
public:
    // Waits until the batch is next; false when the run has failed meanwhile.
    bool waitFor(std::size_t batch) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_next == batch || m_failure; });
        return !m_failure;
    }
    void pass() {
        {
            std::lock_guard lock(m_mutex);
            ++m_next;
        }
        m_changed.notify_all();
    }
    void fail(std::exception_ptr failure) {
        {
            std::lock_guard lock(m_mutex);
            if (!m_failure) {
                m_failure = std::move(failure);
            }
        }
        m_changed.notify_all();
    }
    bool failed() {
        std::lock_guard lock(m_mutex);
        return m_failure != nullptr;
    }
    std::exception_ptr failure() {
        std::lock_guard lock(m_mutex);
        return m_failure;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::size_t m_next = 0;
    std::exception_ptr m_failure;
};

void runWorker(unsigned worker, unsigned workers, std::size_t count, Turns& turns,
               const std::function<void(std::size_t, unsigned)>& produce,
               const std::function<void(unsigned)>& consume) {
    try {
        for (std::size_t batch = worker; batch < count && !turns.failed(); batch += workers) {
            produce(batch, worker);
            if (!turns.waitFor(batch)) {
                return;
            }
            consume(worker);
            turns.pass();
        }
    } catch (...) {
        turns.fail(std::current_exception());
    }
}

}  // namespace

void runOrderedBatches(std::size_t count, unsigned workers,
                       const std::function<void(std::size_t batch, unsigned worker)>& produce,
                       const std::function<void(unsigned worker)>& consume) {
    workers = static_cast<unsigned>(std::clamp<std::size_t>(count, 1, std::max(workers, 1u)));
    Turns turns;
    std::vector<std::thread> helpers;
    helpers.reserve(workers - 1);
    try {
        for (unsigned worker = 1; worker < workers; ++worker) {
            helpers.emplace_back(runWorker, worker, workers, count, std::ref(turns),
                                 std::cref(produce), std::cref(consume));
        }
    } catch (...) {
        // The batches of a worker that never started would never come: the run fails, and the
        // threads that did start end at their next turn.
        turns.fail(std::current_exception());
    }
    runWorker(0, workers, count, turns, produce, consume);
    for (std::thread& helper : helpers) {
        helper.join();
    }
    if (std::exception_ptr failure = turns.failure()) {
        std::rethrow_exception(failure);
    }
}

unsigned batchWorkers() {
    return std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

}  // namespace vorlix
