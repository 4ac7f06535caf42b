#pragma once

#include <QObject>
#include <QThread>
#include <functional>

namespace vorlix {

// The scan thread of one scan dialog: runs the dialog's reads of the drives and its walks, one
// after the other, while the dialog's widgets stay on the user-interface thread, which never
// waits for a drive. What follows each piece of work comes back on the user-interface thread.
// Destroying the holder quits the thread and waits for the work in hand, so a dialog that goes
// while a walk may be running closes its session first; one that ends on its own lets the
// thread finish() and goes when finished() comes.
class CScanThread final : public QObject {
    Q_OBJECT

public:
    explicit CScanThread(QObject* parent = nullptr);
    ~CScanThread() override;

    // Runs work on the scan thread after everything handed over before it, then done on the
    // user-interface thread; done is dropped when the holder has gone by then.
    void run(std::function<void()> work, std::function<void()> done);
    // From run() until the done of everything handed over has been called.
    bool busy() const { return m_pending > 0; }
    // Lets the thread end after the work in hand, without waiting for it.
    void finish();

Q_SIGNALS:
    // The thread has ended after finish(); nothing of its work is left running.
    void finished();

private:
    QThread m_thread;
    // Lives on the worker thread; the work runs in its event queue.
    QObject* m_worker = nullptr;
    int m_pending = 0;
};

}  // namespace vorlix
