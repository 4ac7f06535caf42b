// The Qt prompt's file dialogs: the folder and file name they start with, and whether saving
// over an existing file asks first.
#include "app/ui/qt_user_prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/ui/qt_text.h"
#include "support/temp_dir.h"

namespace vorlix {

namespace {

// What the dialog showed when it came up.
struct Seen {
    bool dialog = false;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QString folder;
    QStringList selected;
    bool confirmsOverwrite = false;
    QString question;
};

// Once the modal file dialog is up, notes what it shows and lets `use` work it.
void whenTheDialogComesUp(QObject& guard, Seen& seen, std::function<void(QFileDialog&)> use) {
    QTimer::singleShot(0, &guard, [&seen, use = std::move(use)] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        seen.dialog = true;
        seen.mode = dialog->acceptMode();
        seen.folder = dialog->directory().absolutePath();
        seen.selected = dialog->selectedFiles();
        seen.confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        use(*dialog);
        // A dialog kept open by a question answered No is left with Cancel.
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
}

// Answers No to the question that comes up next, remembering its text.
void answerNoToTheNextQuestion(QObject& guard, Seen& seen) {
    QTimer::singleShot(0, &guard, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen.question = box->text();
        box->button(QMessageBox::No)->click();
    });
}

// Return in the file name field, as the user confirms the name shown.
void confirm(QFileDialog& dialog) {
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name != nullptr) {
        QTest::keyClick(name, Qt::Key_Return);
    }
}

FileDialogRequest playlistRequest(const test::TempDir& folder) {
    FileDialogRequest request{"Save a mixed playlist", "WinAmp Playlist Files (*.m3u)|*.m3u||",
                              folder.path(), ".m3u"};
    request.proposedName = "list.m3u";
    return request;
}

}  // namespace

class QtUserPromptTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void savingOverAFileAsksFirstUnlessTheRequestSaysNot_data() {
        QTest::addColumn<bool>("overwritePrompt");
        QTest::newRow("asks") << true;
        QTest::newRow("adds to the file") << false;
    }

    void savingOverAFileAsksFirstUnlessTheRequestSaysNot() {
        QFETCH(bool, overwritePrompt);
        test::TempDir folder;
        test::writeFile(folder.file("list.m3u"), "#\r\n");
        FileDialogRequest request = playlistRequest(folder);
        request.overwritePrompt = overwritePrompt;

        QObject guard;
        Seen seen;
        whenTheDialogComesUp(guard, seen, [&guard, &seen](QFileDialog& dialog) {
            answerNoToTheNextQuestion(guard, seen);
            confirm(dialog);
        });
        QtUserPrompt prompt;
        const std::optional<std::string> chosen = prompt.chooseFileToSave(request);

        QVERIFY(seen.dialog);
        QCOMPARE(seen.mode, QFileDialog::AcceptSave);
        QCOMPARE(seen.confirmsOverwrite, overwritePrompt);
        QCOMPARE(seen.folder, toQt(folder.path()));
        QCOMPARE(seen.selected, QStringList{toQt(folder.file("list.m3u"))});
        if (overwritePrompt) {
            QVERIFY2(seen.question.contains(QStringLiteral("list.m3u")), qPrintable(seen.question));
            QVERIFY(!chosen);
        } else {
            QVERIFY(seen.question.isEmpty());
            QCOMPARE(chosen, std::optional<std::string>(folder.file("list.m3u")));
        }
    }

    void openStartsWithTheProposedNameInTheFolder() {
        test::TempDir folder;
        test::writeFile(folder.file("old.qxhl"), "");
        test::writeFile(folder.file("new.qxhl"), "");
        FileDialogRequest request{"Open a playlist", "QX HelpPlaylist Files (*.qxhl)|*.qxhl||",
                                  folder.path(), ""};
        request.proposedName = "old.qxhl";

        QObject guard;
        Seen seen;
        whenTheDialogComesUp(guard, seen, [](QFileDialog& dialog) { confirm(dialog); });
        QtUserPrompt prompt;
        const std::optional<std::string> chosen = prompt.chooseFileToOpen(request);

        QVERIFY(seen.dialog);
        QCOMPARE(seen.mode, QFileDialog::AcceptOpen);
        QCOMPARE(seen.folder, toQt(folder.path()));
        QCOMPARE(chosen, std::optional<std::string>(folder.file("old.qxhl")));
    }

    void withoutAProposedNameNothingIsChosen() {
        test::TempDir folder;
        QObject guard;
        Seen seen;
        whenTheDialogComesUp(guard, seen, [](QFileDialog& dialog) { confirm(dialog); });
        QtUserPrompt prompt;
        FileDialogRequest request{"Save", "Vorlix Files (*.vrd)|*.vrd||", folder.path(), ".vrd"};
        QVERIFY(!prompt.chooseFileToSave(request));
        QVERIFY(seen.dialog);
        QVERIFY(seen.confirmsOverwrite);
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::QtUserPromptTest)
#include "qt_user_prompt_test.moc"
