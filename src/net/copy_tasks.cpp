#include "net/copy_tasks.h"

#include "net/copy_job.h"

namespace vorlix {

CopyTasks::CopyTasks(DiscDrives& drives, UserPrompt& prompt, CopyTaskWindow& window)
    : m_drives(drives), m_prompt(prompt), m_window(window) {}

CopyTasks::~CopyTasks() {
    end();
    for (Worker& worker : m_workers) {
        worker.thread.join();
    }
}

void CopyTasks::start(CopyTask task) {
    joinFinished();
    Worker& worker = m_workers.emplace_back();
    worker.thread = std::thread([this, &worker, task = std::move(task)]() mutable {
        CopyJob(std::move(task), m_drives, m_prompt, m_window, m_ending).run();
        worker.done = true;
    });
}

void CopyTasks::end() {
    m_ending = true;
}

bool CopyTasks::busy() const {
    for (const Worker& worker : m_workers) {
        if (!worker.done) {
            return true;
        }
    }
    return false;
}

void CopyTasks::joinFinished() {
    for (auto it = m_workers.begin(); it != m_workers.end();) {
        if (it->done) {
            it->thread.join();
            it = m_workers.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace vorlix
