#include "support/gate.h"

#include <chrono>

namespace vorlix::test {

namespace {

// Far beyond what any held call needs to be let go, far below the test's own time limit.
constexpr std::chrono::seconds kGiveUpAfter{20};

}  // namespace

void Gate::arrive() {
    std::unique_lock lock(m_mutex);
    m_reached = true;
    m_gaveUp = !m_changed.wait_for(lock, kGiveUpAfter, [this] { return m_released; });
}

void Gate::release() {
    std::lock_guard lock(m_mutex);
    m_released = true;
    m_changed.notify_all();
}

bool Gate::reached() const {
    std::lock_guard lock(m_mutex);
    return m_reached;
}

bool Gate::holding() const {
    std::lock_guard lock(m_mutex);
    return m_reached && !m_released && !m_gaveUp;
}

}  // namespace vorlix::test
