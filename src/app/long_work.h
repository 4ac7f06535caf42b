#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace vorlix {

// What a long piece of work shares with whoever shows it: how far it has come out of how
// much, and the user's wish to stop it.
struct WorkProgress {
    std::uint64_t total = 0;
    std::atomic<std::uint64_t> done{0};
    std::atomic<bool> cancelRequested{false};
};

// Runs work that can take long enough for the user to notice, such as reading a big
// catalogue, without freezing the window: the work runs on a worker while its progress is
// shown with a way to cancel it.
class LongWork {
public:
    virtual ~LongWork() = default;
    // Returns once work has ended, and throws what it threw. Work watches
    // progress.cancelRequested and ends early once it is set.
    virtual void run(const std::string& caption, WorkProgress& progress,
                     const std::function<void()>& work) = 0;
};

}  // namespace vorlix
