#include "views/dialog_sheet_active_list.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include "app/history_lists.h"
#include "core/catalog_format.h"
#include "platform/file_source.h"
#include "support/document_rig.h"
#include "support/sample_catalogue.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

using Names = std::vector<std::string>;
using test::child;

// The page over a document whose catalogue has a few words in both histories.
struct PageRig {
    PageRig() {
        CQXCatalog catalogue = test::sampleCatalogue();
        static_cast<void>(replaceHistory(catalogue, kSearchHistory, {"beach", "mp3", "rock"}));
        static_cast<void>(replaceHistory(catalogue, kLendHistory, {"Maria", "john"}));
        rig.load(std::move(catalogue));
    }

    void open() {
        page = std::make_unique<CDialogSheetActiveList>(rig.document, rig.prompt);
        page->resize(400, 300);
        page->show();
        if (!QTest::qWaitForWindowExposed(page.get())) {
            qFatal("the page was not shown");
        }
    }

    QListWidget* words() const { return child<QListWidget>(*page, "wordList"); }
    Names shownWords() const {
        Names shown;
        for (int row = 0; row < words()->count(); ++row) {
            shown.push_back(words()->item(row)->text().toStdString());
        }
        return shown;
    }
    void choose(const QString& list) const {
        auto* choice = child<QComboBox>(*page, "listChoice");
        // The user's way of choosing, which is what the page answers to.
        choice->setFocus();
        const int steps = choice->findText(list) - choice->currentIndex();
        for (int i = 0; i < std::abs(steps); ++i) {
            QTest::keyClick(choice, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        }
    }
    void selectRows(std::initializer_list<int> rows) const {
        Qt::KeyboardModifiers modifiers;
        for (const int row : rows) {
            const QRect rect = words()->visualItemRect(words()->item(row));
            QTest::mouseClick(words()->viewport(), Qt::LeftButton, modifiers, rect.center());
            modifiers = Qt::ControlModifier;
        }
    }
    void click(const char* button) const {
        QTest::mouseClick(child<QPushButton>(*page, button), Qt::LeftButton);
    }
    Names history(std::string_view key) { return historyWords(rig.document.catalogue(), key); }

    test::DocumentRig rig;
    std::unique_ptr<CDialogSheetActiveList> page;
};

}  // namespace

class DialogSheetActiveListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void removingEditsTheChosenCopyOnly() {
        PageRig rig;
        rig.open();
        QCOMPARE(rig.shownWords(), (Names{"beach", "mp3", "rock"}));
        rig.choose(QStringLiteral("Lend"));
        QCOMPARE(rig.shownWords(), (Names{"Maria", "john"}));
        rig.selectRows({1});
        rig.click("removeButton");
        QCOMPARE(rig.shownWords(), Names{"Maria"});

        rig.choose(QStringLiteral("Search"));
        rig.selectRows({0, 2});
        rig.click("removeButton");
        QCOMPARE(rig.shownWords(), Names{"mp3"});
        rig.click("removeAllButton");
        QVERIFY(rig.shownWords().empty());
        rig.choose(QStringLiteral("Lend"));
        QCOMPARE(rig.shownWords(), Names{"Maria"});

        QCOMPARE(rig.history(kSearchHistory), (Names{"beach", "mp3", "rock"}));
        QCOMPARE(rig.history(kLendHistory), (Names{"Maria", "john"}));
        QVERIFY(rig.rig.prompt.messages.empty());

        rig.page->dialogAccepted();
        QVERIFY(rig.history(kSearchHistory).empty());
        QCOMPARE(rig.history(kLendHistory), Names{"Maria"});
        QVERIFY(!rig.rig.document.isModified());
    }

    void saveAsksForACatalogueFileFirst() {
        PageRig rig;
        rig.open();
        rig.click("removeAllButton");
        rig.click("saveButton");
        QCOMPARE(rig.rig.prompt.shown,
                 (std::vector<test::Shown>{{"Please, save your document first.",
                                            MessageIcon::Information, std::nullopt}}));
        QCOMPARE(rig.history(kSearchHistory), (Names{"beach", "mp3", "rock"}));
    }

    void saveWritesTheCatalogueWithTheEditedLists() {
        PageRig rig;
        const std::string path = rig.rig.folder.file("lists.vrd");
        QVERIFY(rig.rig.document.saveDocument(path));
        rig.open();
        rig.selectRows({1});
        rig.click("removeButton");
        rig.click("saveButton");
        QVERIFY(rig.rig.prompt.messages.empty());
        QCOMPARE(rig.history(kSearchHistory), (Names{"beach", "rock"}));

        FileSource source(path);
        CQXCatalog read;
        readCatalogue(source, rig.rig.codePage, read);
        QCOMPARE(historyWords(read, kSearchHistory), (Names{"beach", "rock"}));
        QCOMPARE(historyWords(read, kLendHistory), (Names{"Maria", "john"}));
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::DialogSheetActiveListTest)
#include "dialog_sheet_active_list_test.moc"
