#include "online/ui/background_request.h"

#include <algorithm>
#include <utility>

namespace vorlix {

BackgroundRequest::BackgroundRequest(std::chrono::milliseconds timeout, QObject* parent)
    : QObject(parent) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(timeout);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        cancel();
        Q_EMIT timedOut();
    });
}

BackgroundRequest::~BackgroundRequest() {
    for (Worker& worker : m_workers) {
        worker.cancelled->store(true);
    }
    for (Worker& worker : m_workers) {
        worker.thread.join();
    }
}

void BackgroundRequest::start(Work work, std::function<void()> done) {
    cancel();
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    m_currentFlag = cancelled;
    m_done = std::move(done);
    m_running = true;
    m_timer.start();
    std::thread thread([this, work = std::move(work), cancelled] {
        work(*cancelled);
        const std::thread::id id = std::this_thread::get_id();
        QMetaObject::invokeMethod(
            this, [this, id, cancelled] { onWorkerEnded(id, !cancelled->load()); },
            Qt::QueuedConnection);
    });
    m_workers.push_back({std::move(thread), std::move(cancelled)});
}

void BackgroundRequest::cancel() {
    if (m_currentFlag) {
        m_currentFlag->store(true);
        m_currentFlag.reset();
    }
    m_timer.stop();
    m_done = nullptr;
    m_running = false;
}

void BackgroundRequest::onWorkerEnded(std::thread::id id, bool current) {
    joinWorker(id);
    if (!current || !m_running) {
        return;
    }
    m_timer.stop();
    m_running = false;
    m_currentFlag.reset();
    const std::function<void()> done = std::exchange(m_done, nullptr);
    if (done) {
        done();
    }
}

void BackgroundRequest::joinWorker(std::thread::id id) {
    const auto worker = std::ranges::find_if(
        m_workers, [id](const Worker& candidate) { return candidate.thread.get_id() == id; });
    if (worker != m_workers.end()) {
        worker->thread.join();
        m_workers.erase(worker);
    }
}

}  // namespace vorlix
