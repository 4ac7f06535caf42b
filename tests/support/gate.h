#pragma once

#include <condition_variable>
#include <mutex>

namespace vorlix::test {

// Holds a call made on another thread (a drive read, a folder listing) until the test lets it go
// on, so that the test acts while the call is in hand. A call made on the test's own thread would
// hold it for good; the gate gives up after a long while instead, so that such a fault fails the
// test rather than hanging it, and holding() then tells it apart.
class Gate {
public:
    // Called by the held call: returns once released, or after giving up.
    void arrive();
    void release();
    bool reached() const;
    // A call is held at the gate right now.
    bool holding() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_reached = false;
    bool m_released = false;
    bool m_gaveUp = false;
};

}  // namespace vorlix::test
