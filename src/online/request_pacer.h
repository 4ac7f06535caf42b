#pragma once

#include <chrono>
#include <functional>
#include <mutex>
#include <optional>

namespace vorlix {

// Keeps requests to a service that asks for it at least an interval apart, whichever thread
// sends them: each caller waits for its turn before it sends.
class RequestPacer {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    using Sleep = std::function<void(std::chrono::steady_clock::duration)>;

    RequestPacer(std::chrono::milliseconds interval, Clock clock, Sleep sleep);
    // The steady clock and a real sleep.
    explicit RequestPacer(std::chrono::milliseconds interval);

    void waitTurn();

private:
    std::chrono::milliseconds m_interval;
    Clock m_clock;
    Sleep m_sleep;
    std::mutex m_mutex;
    std::optional<std::chrono::steady_clock::time_point> m_next;
};

}  // namespace vorlix
