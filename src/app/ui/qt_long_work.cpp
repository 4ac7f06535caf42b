#include "app/ui/qt_long_work.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <exception>
#include <future>
#include <thread>

#include "app/ui/qt_text.h"

namespace vorlix {
namespace {

constexpr int kSteps = 1000;
constexpr int kRefreshMilliseconds = 50;

int stepsDone(const WorkProgress& progress) {
    if (progress.total == 0) {
        return 0;
    }
    const std::uint64_t done = std::min(progress.done.load(), progress.total);
    return static_cast<int>(done * kSteps / progress.total);
}

// Shows the progress until the worker has ended; the loop ends when finished is set.
void showProgressUntilDone(const std::string& caption, WorkProgress& progress,
                           std::future<void>& finished) {
    QProgressDialog dialog(toQt(caption), QStringLiteral("Cancel"), 0, kSteps,
                           QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Vorlix"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    // Cancelling only asks the work to stop; the dialog stays, and keeps the windows behind it
    // out of reach, until the work has really ended.
    QObject::disconnect(&dialog, &QProgressDialog::canceled, &dialog, &QProgressDialog::cancel);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
        progress.cancelRequested = true;
        dialog.setLabelText(QStringLiteral("Cancelling..."));
    });

    QEventLoop loop;
    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, &loop, [&] {
        if (finished.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            loop.quit();
            return;
        }
        dialog.setValue(stepsDone(progress));
    });
    refresh.start(kRefreshMilliseconds);
    dialog.setValue(stepsDone(progress));
    dialog.show();
    loop.exec();
}

}  // namespace

void QtLongWork::run(const std::string& caption, WorkProgress& progress,
                     const std::function<void()>& work) {
    std::packaged_task<void()> task(work);
    std::future<void> finished = task.get_future();
    std::thread worker(std::move(task));
    if (finished.wait_for(m_quietWait) != std::future_status::ready) {
        showProgressUntilDone(caption, progress, finished);
    }
    worker.join();
    finished.get();
}

}  // namespace vorlix
