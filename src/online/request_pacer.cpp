#include "online/request_pacer.h"

#include <thread>
#include <utility>

namespace vorlix {

RequestPacer::RequestPacer(std::chrono::milliseconds interval, Clock clock, Sleep sleep)
    : m_interval(interval), m_clock(std::move(clock)), m_sleep(std::move(sleep)) {}

RequestPacer::RequestPacer(std::chrono::milliseconds interval)
    : RequestPacer(
          interval, [] { return std::chrono::steady_clock::now(); },
          [](std::chrono::steady_clock::duration wait) { std::this_thread::sleep_for(wait); }) {}

void RequestPacer::waitTurn() {
    std::chrono::steady_clock::duration wait{0};
    {
        // The turn is taken under the lock and waited for outside it, so that a second caller
        // queues behind the first without holding it up.
        const std::lock_guard lock(m_mutex);
        const auto now = m_clock();
        const auto turn = m_next && *m_next > now ? *m_next : now;
        wait = turn - now;
        m_next = turn + m_interval;
    }
    if (wait > std::chrono::steady_clock::duration::zero()) {
        m_sleep(wait);
    }
}

}  // namespace vorlix
