#pragma once

#include <chrono>

#include "app/long_work.h"

namespace vorlix {

// Runs long work on a worker thread. Work that ends within a moment shows nothing; longer work
// shows an application-modal progress dialog whose Cancel asks the work to stop, while the
// event loop keeps the windows painted.
class QtLongWork final : public LongWork {
public:
    explicit QtLongWork(std::chrono::milliseconds quietWait = std::chrono::milliseconds(80))
        : m_quietWait(quietWait) {}

    void run(const std::string& caption, WorkProgress& progress,
             const std::function<void()>& work) override;

private:
    std::chrono::milliseconds m_quietWait;
};

}  // namespace vorlix
