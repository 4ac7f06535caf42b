// Long work on a worker: quick work shows nothing, slow work shows its progress in a modal
// dialog whose Cancel stops it, and what the work throws reaches the caller.
#include "app/ui/qt_long_work.h"

#include <QAbstractButton>
#include <QApplication>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace vorlix {

// Counts the progress dialogs shown anywhere in the application.
class DialogShowCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QProgressDialog*>(watched) != nullptr) {
            ++count;
        }
        return false;
    }
};

class QtLongWorkTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quickWorkShowsNothingAndPassesOnWhatItThrows();
    void slowWorkShowsItsProgressAndCancelStopsIt();
};

void QtLongWorkTest::quickWorkShowsNothingAndPassesOnWhatItThrows() {
    QtLongWork runner(std::chrono::seconds(5));
    WorkProgress progress;
    DialogShowCounter shown;
    qApp->installEventFilter(&shown);
    bool ran = false;
    runner.run("quick", progress, [&] { ran = true; });
    QVERIFY(ran);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, runner.run("failing", progress, [] {
        throw std::runtime_error("damaged");
    }));
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&shown);
    QCOMPARE(shown.count, 0);
}

void QtLongWorkTest::slowWorkShowsItsProgressAndCancelStopsIt() {
    QtLongWork runner(std::chrono::milliseconds(10));
    WorkProgress progress;
    progress.total = 1000;
    QString label;
    int valueSeen = -1;
    bool wasModal = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || dialog->value() < 250) {
            return;
        }
        watch.stop();
        label = dialog->labelText();
        valueSeen = dialog->value();
        wasModal = dialog->windowModality() == Qt::ApplicationModal;
        auto* cancel = dialog->findChild<QAbstractButton*>();
        QVERIFY(cancel != nullptr);
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    watch.start(5);

    bool stoppedByCancel = false;
    runner.run("Reading the catalogue \"big.vrd\"...", progress, [&] {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < giveUp) {
            if (progress.cancelRequested) {
                stoppedByCancel = true;
                return;
            }
            progress.done = std::min<std::uint64_t>(progress.done + 5, 500);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });

    QVERIFY(stoppedByCancel);
    QCOMPARE(label, QStringLiteral("Reading the catalogue \"big.vrd\"..."));
    QVERIFY(valueSeen >= 250 && valueSeen <= 500);
    QVERIFY(wasModal);
    QCoreApplication::processEvents();
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

}  // namespace vorlix

QTEST_MAIN(vorlix::QtLongWorkTest)
#include "qt_long_work_test.moc"
