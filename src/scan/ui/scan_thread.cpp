#include "scan/ui/scan_thread.h"

#include "scan/scan_session.h"

namespace vorlix {

CScanThread::CScanThread(ScanSession& session, QObject* parent)
    : QObject(parent), m_session(session), m_worker(new QObject) {
    m_thread.setObjectName(QStringLiteral("CScanThread"));
    m_worker->moveToThread(&m_thread);
    m_thread.start();
}

CScanThread::~CScanThread() {
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

void CScanThread::startWalk() {
    m_walking = true;
    QMetaObject::invokeMethod(
        m_worker,
        [this] {
            m_session.runWalk();
            // Queued to this holder, so the end is seen on the user-interface thread, and not
            // at all once the holder is gone.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_walking = false;
                    Q_EMIT walkEnded();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

}  // namespace vorlix
