#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace vorlix {

// Runs one network request at a time on a worker thread so that the window never waits for a
// server. A request that has not ended when the time-out passes, or that is cancelled, is
// abandoned: its flag asks the worker to stop, and its completion is ignored.
class BackgroundRequest final : public QObject {
    Q_OBJECT

public:
    using Work = std::function<void(const std::atomic<bool>& cancelled)>;

    explicit BackgroundRequest(std::chrono::milliseconds timeout, QObject* parent = nullptr);
    // Cancels what runs and waits for the workers, which end soon after their flag is set.
    ~BackgroundRequest() override;

    // done runs on this object's thread after work has ended, unless the request was
    // abandoned first. Abandons a request still running.
    void start(Work work, std::function<void()> done);
    void cancel();
    bool running() const { return m_running; }

Q_SIGNALS:
    void timedOut();

private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> cancelled;
    };

    void onWorkerEnded(std::thread::id id, bool current);
    void joinWorker(std::thread::id id);

    QTimer m_timer;
    std::vector<Worker> m_workers;
    std::function<void()> m_done;
    std::shared_ptr<std::atomic<bool>> m_currentFlag;
    bool m_running = false;
};

}  // namespace vorlix
