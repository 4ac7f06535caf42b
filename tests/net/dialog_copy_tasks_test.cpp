#include "net/ui/dialog_copy_tasks.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>

#include "app/setting_names.h"
#include "net/copy_messages.h"
#include "platform/disc/crafted_images.h"
#include "platform/disc/disc_test_support.h"
#include "support/document_fakes.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/widget_lookup.h"

namespace vorlix {

class DialogCopyTasksTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void copiesAFileFromAnImageAndShowsItReady();
    void showsProgressAndStopsOfTheCopies();
    void stopsTheSelectedCopyWithOrWithoutItsRow();
    void removesAndOpensFinishedRows();
    void theDetailsPanelFollowsTheSettingAndTheToggle();
    void closingOnlyHidesTheWindow();

private:
    std::unique_ptr<CDialogCopyTasks> window();
    QString cell(const CDialogCopyTasks& dialog, int row, int column) const;
    QString shown(const CDialogCopyTasks& dialog, const char* label) const;

    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<test::DrivesWithoutHardware> m_drives;
    test::ScriptedPrompt m_prompt;
    test::FakeShell m_shell;
    test::MemorySettings m_settings;
};

void DialogCopyTasksTest::init() {
    m_dir = std::make_unique<test::TempDir>();
    m_drives = std::make_unique<test::DrivesWithoutHardware>();
    m_prompt = {};
    m_shell = {};
    m_settings = {};
    m_settings.writeNumber(setting::kSettingsKey, setting::kExpCopy, 1);
}

std::unique_ptr<CDialogCopyTasks> DialogCopyTasksTest::window() {
    return std::make_unique<CDialogCopyTasks>(m_drives->drives(), m_prompt, m_shell, m_settings);
}

QString DialogCopyTasksTest::cell(const CDialogCopyTasks& dialog, int row, int column) const {
    const auto* rows = test::child<QTreeWidget>(dialog, "rows");
    return row < rows->topLevelItemCount() ? rows->topLevelItem(row)->text(column) : QString();
}

QString DialogCopyTasksTest::shown(const CDialogCopyTasks& dialog, const char* label) const {
    return test::child<QLabel>(dialog, label)->text();
}

void DialogCopyTasksTest::copiesAFileFromAnImageAndShowsItReady() {
    std::filesystem::create_directories(m_dir->file("tree/Docs"));
    std::filesystem::create_directories(m_dir->file("home"));
    test::writeFile(m_dir->file("tree/Docs/Hello.TXT"), "hello, disc\n");
    const std::string image = test::isoImage(m_dir->file("tree"), m_dir->file("disc.iso"), "-J");
    QCOMPARE(m_drives->drives().addImage(image).root, std::string("D:\\"));
    const auto dialog = window();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Transfer Manager"));
    QVERIFY(!dialog->isVisible());

    m_prompt.files.push_back(m_dir->file("home/greeting.txt"));
    dialog->start({CopyOrigin::FileList, {{"d:\\docs\\", "hello.txt", "12", "4"}}});
    QTRY_COMPARE(cell(*dialog, 0, 3), QStringLiteral("Ready"));
    QVERIFY(dialog->isVisible());
    const QStringList row{cell(*dialog, 0, 0), cell(*dialog, 0, 1), cell(*dialog, 0, 2),
                          cell(*dialog, 0, 4), cell(*dialog, 0, 5)};
    QCOMPARE(row,
             (QStringList{QStringLiteral("greeting"), QStringLiteral("100%"),
                          QStringLiteral(" txt"), QStringLiteral("1"), QStringLiteral("Yes")}));
    QCOMPARE(test::readFile(m_dir->file("home/greeting.txt")), std::string("hello, disc\n"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("100% Copy Tasks"));
    QCOMPARE(shown(*dialog, "copied"), QStringLiteral("0.000 MB"));
}

void DialogCopyTasksTest::showsProgressAndStopsOfTheCopies() {
    const auto dialog = window();
    const int first = dialog->addItem("/tmp/out/first.iso", "2097152");
    const int second = dialog->addItem("/tmp/out/second.bin", "-1");
    QCOMPARE(first, 1);
    QCOMPARE(second, 2);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Copy Tasks"));
    // The newest row is on top and in the details panel.
    QCOMPARE(cell(*dialog, 0, 0), QStringLiteral("second"));
    QCOMPARE(dialog->shownId(), 2);
    QCOMPARE(shown(*dialog, "state"), QStringLiteral("Downloading"));
    QCOMPARE(shown(*dialog, "copied"), QStringLiteral("0 of 0 KB"));
    QCOMPARE(shown(*dialog, "total"), QStringLiteral("4096.000 MB"));

    dialog->report(copyProgressMessage(2, 50, 1048576, 12.25));
    dialog->report(copyProgressMessage(1, 25, 524288, 3.0));
    QCoreApplication::processEvents();
    QCOMPARE(cell(*dialog, 0, 1), QStringLiteral("50%"));
    QCOMPARE(cell(*dialog, 1, 1), QStringLiteral("25%"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("50% Copy Tasks"));
    QCOMPARE(shown(*dialog, "copied"), QStringLiteral("1.000 MB"));
    QCOMPARE(shown(*dialog, "speed"), QStringLiteral("@ 12.2 KB/s"));
    QCOMPARE(test::child<QProgressBar>(*dialog, "progress")->value(), 50);

    // The shown copy stops: the panel turns to the one still running.
    dialog->report(copyStopMessage(2));
    QCoreApplication::processEvents();
    QCOMPARE(cell(*dialog, 0, 3), QStringLiteral("Stopped"));
    QCOMPARE(dialog->shownId(), 1);
    QCOMPARE(shown(*dialog, "copied"), QStringLiteral("0.500 MB"));

    dialog->report(copyCompletionMessage(1, 2097152));
    QCoreApplication::processEvents();
    QCOMPARE(cell(*dialog, 1, 3), QStringLiteral("Ready"));
    QCOMPARE(cell(*dialog, 1, 1), QStringLiteral("100%"));
    dialog->removeAllFinished();
    QCOMPARE(test::child<QTreeWidget>(*dialog, "rows")->topLevelItemCount(), 0);
    QCOMPARE(shown(*dialog, "state"), QStringLiteral("sleep"));
    QCOMPARE(shown(*dialog, "copied"), QStringLiteral("0"));
}

void DialogCopyTasksTest::stopsTheSelectedCopyWithOrWithoutItsRow() {
    const auto dialog = window();
    dialog->addItem("/tmp/out/a.txt", "1");
    dialog->addItem("/tmp/out/b.txt", "1");
    auto* rows = test::child<QTreeWidget>(*dialog, "rows");
    rows->setCurrentItem(rows->topLevelItem(1));
    QCOMPARE(dialog->shownId(), 1);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QCOMPARE(dialog->stopId(), 1);
    QCOMPARE(rows->topLevelItemCount(), 2);

    rows->setCurrentItem(rows->topLevelItem(0));
    dialog->stopSelected(false);
    QCOMPARE(dialog->stopId(), 2);
    QCOMPARE(rows->topLevelItemCount(), 1);
    QCOMPARE(cell(*dialog, 0, 0), QStringLiteral("a"));
    // The stop that the copy sends for a removed row changes nothing.
    dialog->report(copyStopMessage(2));
    QCoreApplication::processEvents();
    QCOMPARE(rows->topLevelItemCount(), 1);
}

void DialogCopyTasksTest::removesAndOpensFinishedRows() {
    const auto dialog = window();
    dialog->addItem("/tmp/out/done.txt", "1");
    dialog->addItem("/tmp/out/busy.txt", "1");
    dialog->report(copyCompletionMessage(1, 1));
    QCoreApplication::processEvents();
    auto* rows = test::child<QTreeWidget>(*dialog, "rows");
    // A running row opens nothing and is not removed as finished.
    rows->setCurrentItem(rows->topLevelItem(0));
    dialog->openSelected();
    dialog->removeSelectedFinished();
    QVERIFY(m_shell.opened.empty());
    QCOMPARE(rows->topLevelItemCount(), 2);

    rows->setCurrentItem(rows->topLevelItem(1));
    dialog->openSelected();
    QTest::mouseClick(test::child<QPushButton>(*dialog, "explore"), Qt::LeftButton);
    QCOMPARE(m_shell.opened, (std::vector<std::string>{"/tmp/out/done.txt", "/tmp/out"}));
    dialog->removeSelectedFinished();
    QCOMPARE(rows->topLevelItemCount(), 1);
    QCOMPARE(cell(*dialog, 0, 0), QStringLiteral("busy"));
}

void DialogCopyTasksTest::theDetailsPanelFollowsTheSettingAndTheToggle() {
    m_settings.writeNumber(setting::kSettingsKey, setting::kExpCopy, 0);
    const auto dialog = window();
    dialog->show();
    auto* toggle = test::child<QPushButton>(*dialog, "toggleDetails");
    QCOMPARE(dialog->height(), 251);
    QVERIFY(!test::child<QWidget>(*dialog, "details")->isVisible());
    QCOMPARE(toggle->text(), QStringLiteral("Click to see the details"));
    QCOMPARE(toggle->toolTip(), QStringLiteral("Show Extra Info"));
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(dialog->height(), 373);
    QVERIFY(test::child<QWidget>(*dialog, "details")->isVisible());
    QCOMPARE(toggle->text(), QStringLiteral("Click to hide the details"));
    QCOMPARE(test::child<QPushButton>(*dialog, "hide")->toolTip(),
             QStringLiteral("Hide Transfer Dialog"));
    dialog->addItem("/tmp/out/Some Film.avi", "734003200");
    dialog->report(copyProgressMessage(1, 37, 271581184, 2150.4));
    QCoreApplication::processEvents();
    const QString path = qEnvironmentVariable("VORLIX_GRAB_DIR");
    if (!path.isEmpty()) {
        QVERIFY(dialog->grab().save(path + QStringLiteral("/copy_tasks.png")));
    }
}

void DialogCopyTasksTest::closingOnlyHidesTheWindow() {
    const auto dialog = window();
    dialog->show();
    QVERIFY(!dialog->close());
    QVERIFY(!dialog->isVisible());
}

}  // namespace vorlix

QTEST_MAIN(vorlix::DialogCopyTasksTest)
#include "dialog_copy_tasks_test.moc"
