#pragma once

#include <QObject>
#include <QThread>

namespace vorlix {

class ScanSession;

// The scan thread of one scan dialog: a worker thread on which the session's walk runs while
// the dialog's widgets stay on the user-interface thread. The end of every walk comes back as
// walkEnded() on the user-interface thread. Destroying the holder quits the thread and waits
// for it, so the session must have been stopped or closed first when a walk may be running.
class CScanThread final : public QObject {
    Q_OBJECT

public:
    explicit CScanThread(ScanSession& session, QObject* parent = nullptr);
    ~CScanThread() override;

    // Runs the session's walk on the worker; the caller has had beginScan() accept the scan.
    void startWalk();
    // From startWalk() until walkEnded() has been delivered.
    bool walking() const { return m_walking; }

Q_SIGNALS:
    void walkEnded();

private:
    ScanSession& m_session;
    QThread m_thread;
    // Lives on the worker thread; the walk runs in its event queue.
    QObject* m_worker = nullptr;
    bool m_walking = false;
};

}  // namespace vorlix
