#pragma once

#include <atomic>
#include <list>
#include <memory>
#include <thread>

#include "net/copy_task.h"

namespace vorlix {

class CopyTaskWindow;
class DiscDrives;
class UserPrompt;

// Runs each copy on a thread of its own, so that several copy side by side while the window
// goes on. The prompt and the window are called from those threads.
class CopyTasks final : public CopyTaskStarter {
public:
    CopyTasks(DiscDrives& drives, UserPrompt& prompt, CopyTaskWindow& window);
    // Ends the copies as end() does and waits for them.
    ~CopyTasks() override;
    CopyTasks(const CopyTasks&) = delete;
    CopyTasks& operator=(const CopyTasks&) = delete;

    void start(CopyTask task) override;
    // Asks every running copy to stop after its current block; their partial files go.
    void end();
    // Whether a copy is still running.
    bool busy() const;

private:
    struct Worker {
        std::thread thread;
        std::atomic<bool> done = false;
    };

    void joinFinished();

    DiscDrives& m_drives;
    UserPrompt& m_prompt;
    CopyTaskWindow& m_window;
    std::atomic<bool> m_ending = false;
    std::list<Worker> m_workers;  // a list, so that a worker's address stays while it runs
};

}  // namespace vorlix
