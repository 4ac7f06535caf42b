#include "scan/ui/scan_thread.h"

#include <utility>

namespace vorlix {

CScanThread::CScanThread(QObject* parent) : QObject(parent), m_worker(new QObject) {
    m_thread.setObjectName(QStringLiteral("CScanThread"));
    m_worker->moveToThread(&m_thread);
    // Emitted on the ending thread, so it reaches this holder queued, after every done.
    connect(&m_thread, &QThread::finished, this, &CScanThread::finished);
    m_thread.start();
}

CScanThread::~CScanThread() {
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

void CScanThread::run(std::function<void()> work, std::function<void()> done) {
    ++m_pending;
    QMetaObject::invokeMethod(
        m_worker,
        [this, work = std::move(work), done = std::move(done)] {
            work();
            // Queued to this holder, so done runs on the user-interface thread, and not at all
            // once the holder is gone.
            QMetaObject::invokeMethod(
                this,
                [this, done] {
                    --m_pending;
                    done();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void CScanThread::finish() {
    m_thread.quit();
}

}  // namespace vorlix
