#include <QAbstractItemModelTester>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <QTreeView>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/pane_operations.h"
#include "app/setting_names.h"
#include "app/ui/qt_text.h"
#include "core/catalog_format.h"
#include "support/document_rig.h"
#include "support/fake_disc_volume.h"
#include "support/german_locale.h"
#include "support/quiet_panes.h"
#include "support/widget_lookup.h"
#include "tasks/disc_number_actions.h"
#include "views/disc_tasks.h"
#include "views/left_view.h"
#include "views/lending_pictures.h"

namespace vorlix {

namespace {

using test::child;
using test::DocumentRig;

// The commands panel: its lend combo's text, and how often its disc fields were shown.
struct FakeCommands final : test::QuietCommandsPane {
    explicit FakeCommands(CQX2Doc& document) : document(document) { document.addPane(*this); }
    ~FakeCommands() override { document.removePane(*this); }

    void refreshDiscFields() override { ++fieldRefreshes; }

    CQX2Doc& document;
    std::string typed;
    int fieldRefreshes = 0;
};

std::unique_ptr<CQXDisc> makeDisc(const std::string& number, const std::string& name,
                                  const std::string& location, const std::string& lendDate,
                                  const std::string& shared) {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(number);
    disc->setName(name);
    disc->setLocation(location);
    disc->setLendDate(lendDate);
    disc->setShared(shared);
    disc->setOutline(number + " " + name + "\r\n");
    disc->setOwnerName(DocumentRig::anna().logName);
    disc->setOwnerDigest(DocumentRig::anna().passwordDigest);
    return disc;
}

// Discs 1 and 3 at home; disc 2 lent to John yesterday and disc 5 to Maria today, "today"
// being the rig's 5 March 2004. Every disc is shared but disc 3 and 5.
CQXCatalog lendingCatalogue() {
    CQXCatalog result;
    result.addDefaultNamedObjects();
    result.appendDisc(makeDisc("1", "Alpha", "home", "", "Yes"));
    result.appendDisc(makeDisc("2", "bravo", "John", "March 04 2004", "Yes"));
    result.appendDisc(makeDisc("3", "Charlie", "home", "", "No"));
    result.appendDisc(makeDisc("5", "delta", "Maria", "March 05 2004", "No"));
    return result;
}

CQXCatalog numbered(const std::vector<std::string>& numbers) {
    CQXCatalog result;
    result.addDefaultNamedObjects();
    for (const std::string& number : numbers) {
        result.appendDisc(makeDisc(number, "DISC" + number, "home", "", "Yes"));
    }
    return result;
}

// The main window's middle as the Lend menu meets it: the document with a loaded catalogue,
// the real disc tree, and a commands panel that only holds a lend name.
struct Desk {
    explicit Desk(CQXCatalog loaded, Identity user = DocumentRig::anna()) : rig(std::move(user)) {
        rig.load(std::move(loaded));
        view = std::make_unique<CLeftView>(rig.document, services);
        tree = child<QTreeView>(*view, "discTree");
        view->resize(300, 400);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get())) {
            qFatal("the disc tree was not shown");
        }
    }

    void overdueSettings(std::uint32_t enabled, std::uint32_t days) {
        rig.settings.writeNumber(setting::kSettingsKey, setting::kEnableOverdue, enabled);
        rig.settings.writeNumber(setting::kSettingsKey, setting::kIntervalDue, days);
    }

    QString selectedText() const {
        const QModelIndexList selected = tree->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? QString() : selected.front().data().toString();
    }

    QStringList treeTexts() const {
        QStringList texts;
        for (int row = 0; row < tree->model()->rowCount(); ++row) {
            texts << tree->model()->index(row, 0).data().toString();
        }
        return texts;
    }

    std::vector<std::string> catalogueNumbers() {
        std::vector<std::string> numbers;
        for (const auto& disc : rig.document.catalogue().discs) {
            numbers.emplace_back(disc->number());
        }
        return numbers;
    }

    DocumentRig rig;
    test::FakeDiscDrives drives;
    ViewServices services{rig.prompt, rig.settings, rig.shell, drives};
    FakeCommands commands{rig.document};
    std::unique_ptr<CLeftView> view;
    QTreeView* tree = nullptr;
    DiscTasks tasks{rig.document, rig.prompt, rig.settings};

    // A command as the commands panel runs it, with the lend combo's text; a lend that went
    // through empties the combo.
    void run(PaneCommand command) {
        switch (command) {
            case PaneCommand::Lend:
                if (tasks.lend(commands.typed)) {
                    commands.typed.clear();
                }
                break;
            case PaneCommand::GetBack:
                static_cast<void>(tasks.getBack());
                break;
            case PaneCommand::ShowAvailable:
                tasks.showAvailable();
                break;
            case PaneCommand::ShowNonAvailable:
                tasks.showNonAvailable(commands.typed);
                break;
            case PaneCommand::FindGaps:
                tasks.findGaps();
                break;
            default:
                QFAIL("not a lending or number command");
        }
    }
};

// Runs `open`; `inspect` gets the modal dialog it brings up, which is rejected afterwards if
// `inspect` left it open. Returns whether a dialog came up at all.
bool withModal(const std::function<void()>& open, const std::function<void(QDialog&)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        seen = true;
        if (!QTest::qWaitForWindowExposed(dialog)) {
            qFatal("the dialog was not shown");
        }
        inspect(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    open();
    QCoreApplication::processEvents();
    return seen;
}

QStringList column(const QAbstractItemModel& model, int col) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) {
        texts << model.index(row, col).data().toString();
    }
    return texts;
}

QStringList headers(const QAbstractItemView& view) {
    QStringList texts;
    for (int section = 0; section < view.model()->columnCount(); ++section) {
        texts << view.model()->headerData(section, Qt::Horizontal).toString();
    }
    return texts;
}

QList<int> widths(const QHeaderView& header) {
    QList<int> result;
    for (int section = 0; section < header.count(); ++section) {
        result << header.sectionSize(section);
    }
    return result;
}

QImage pictureOf(const QAbstractItemModel& model, int row) {
    return qvariant_cast<QIcon>(model.index(row, 0).data(Qt::DecorationRole))
        .pixmap(16, 16)
        .toImage();
}

QImage expectedPicture(DiscPicture picture) {
    return LendingPictures(16).of(picture).pixmap(16, 16).toImage();
}

// The first click of a double click is a click of its own; the test's double click is only
// the second.
void doubleClickRow(QAbstractItemView& view, int row) {
    const QPoint centre = view.visualRect(view.model()->index(row, 0)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, centre);
}

void clickHeader(QHeaderView& header, int section) {
    const QPoint centre(header.sectionViewportPosition(section) + header.sectionSize(section) / 2,
                        header.height() / 2);
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, centre);
}

// With VORLIX_GRAB_DIR set, the dialog's picture is left there for a look at it.
void grab(QDialog& dialog, const char* name) {
    const QString folder = qEnvironmentVariable("VORLIX_GRAB_DIR");
    if (!folder.isEmpty()) {
        QVERIFY(dialog.grab().save(folder + QLatin1Char('/') + QString::fromLatin1(name)));
    }
}

const std::vector<std::string> kRefusal = {"Operation not allowed! Logged in as : ben"};

}  // namespace

class LendingDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void lendAndGetBackFromTheMenuWriteEnglishDatesUnderAGermanLocale() {
        test::GermanLocale german;
        QCOMPARE(QString::fromStdString(german.localMonthName()), QStringLiteral("März"));
        Desk desk(lendingCatalogue());
        QVERIFY(desk.view->selectDisc("1"));
        desk.commands.typed = "John";
        const int refreshes = desk.commands.fieldRefreshes;

        desk.run(PaneCommand::Lend);
        QCOMPARE(desk.rig.prompt.messages, std::vector<std::string>{"John March 05 2004"});
        QCOMPARE(desk.rig.document.catalogue().discs[0]->location(), std::string("John"));
        QCOMPARE(desk.rig.document.currentDisc().location(), std::string("John"));
        QVERIFY(desk.commands.typed.empty());
        QCOMPARE(desk.commands.fieldRefreshes, refreshes + 1);
        QVERIFY(desk.rig.document.isModified());

        desk.rig.clock.time = {2004, 12, 1, 0};
        desk.run(PaneCommand::GetBack);
        QCOMPARE(desk.rig.document.catalogue().discs[0]->location(), std::string("home"));
        QCOMPARE(desk.rig.document.catalogue().discs[0]->lendDate(),
                 std::string("December 01 2004"));
        QCOMPARE(desk.rig.prompt.messages.size(), std::size_t{1});
    }

    void lendFromTheMenuWithAnEmptyLendNameAsksForOne() {
        Desk desk(lendingCatalogue());
        QVERIFY(desk.view->selectDisc("1"));
        desk.run(PaneCommand::Lend);
        QCOMPARE(desk.rig.prompt.messages, std::vector<std::string>{"Please, enter a name."});
        QCOMPARE(desk.rig.document.catalogue().discs[0]->location(), std::string("home"));
        QVERIFY(!desk.rig.document.isModified());
    }

    void availableListShowsTheDiscsAtHomeAndADoubleClickSelectsOne() {
        Desk desk(lendingCatalogue());
        QVERIFY(desk.view->selectDisc("1"));
        const bool opened = withModal(
            [&] { desk.run(PaneCommand::ShowAvailable); },
            [&](QDialog& dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("List of All Available Discs"));
                auto* list = child<QTreeView>(dialog, "availableList");
                QAbstractItemModelTester tester(
                    list->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
                QCOMPARE(headers(*list),
                         (QStringList{QStringLiteral("CD Name"), QStringLiteral("CD Number")}));
                QCOMPARE(widths(*list->header()), (QList<int>{270, 100}));
                QCOMPARE(column(*list->model(), 0),
                         (QStringList{QStringLiteral("Alpha"), QStringLiteral("Charlie")}));
                QCOMPARE(column(*list->model(), 1),
                         (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
                QCOMPARE(pictureOf(*list->model(), 0), expectedPicture(DiscPicture::Shared));
                QCOMPARE(pictureOf(*list->model(), 1), expectedPicture(DiscPicture::NotShared));
                grab(dialog, "available_discs.png");
                doubleClickRow(*list, 1);
                QVERIFY(!dialog.isVisible());
            });
        QVERIFY(opened);
        QCOMPARE(desk.selectedText(), QStringLiteral("3 Charlie"));
        QCOMPARE(desk.rig.document.currentDisc().number(), std::string("3"));

        QVERIFY(withModal([&] { desk.run(PaneCommand::ShowAvailable); },
                          [](QDialog& dialog) {
                              QTest::mouseClick(child<QPushButton>(dialog, "okButton"),
                                                Qt::LeftButton);
                          }));
        QCOMPARE(desk.selectedText(), QStringLiteral("3 Charlie"));
        QVERIFY(desk.rig.prompt.messages.empty());
    }

    void nonAvailableListMarksWhatIsOverdueAtIntervalZero() {
        Desk desk(lendingCatalogue());
        desk.overdueSettings(1, 0);
        QVERIFY(withModal(
            [&] { desk.run(PaneCommand::ShowNonAvailable); },
            [](QDialog& dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("All non-available CDs"));
                auto* list = child<QTreeView>(dialog, "nonAvailableList");
                QAbstractItemModelTester tester(
                    list->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
                QCOMPARE(
                    headers(*list),
                    (QStringList{QStringLiteral("CD Name"), QStringLiteral("CD Number"),
                                 QStringLiteral("CD Location"), QStringLiteral("Lent at...")}));
                QCOMPARE(widths(*list->header()), (QList<int>{270, 100, 100, 150}));
                QCOMPARE(column(*list->model(), 0),
                         (QStringList{QStringLiteral("bravo"), QStringLiteral("delta")}));
                QCOMPARE(column(*list->model(), 2),
                         (QStringList{QStringLiteral("John"), QStringLiteral("Maria")}));
                QCOMPARE(column(*list->model(), 3), (QStringList{QStringLiteral("March 04 2004"),
                                                                 QStringLiteral("March 05 2004")}));
                // Lent yesterday is overdue at interval 0; lent today is not.
                QCOMPARE(pictureOf(*list->model(), 0), expectedPicture(DiscPicture::Overdue));
                QCOMPARE(pictureOf(*list->model(), 1), expectedPicture(DiscPicture::NotShared));
                QVERIFY(pictureOf(*list->model(), 0) != expectedPicture(DiscPicture::Shared));
                grab(dialog, "non_available_discs.png");
            }));
        QVERIFY(desk.rig.prompt.messages.empty());

        desk.overdueSettings(0, 0);
        QVERIFY(withModal([&] { desk.run(PaneCommand::ShowNonAvailable); },
                          [](QDialog& dialog) {
                              auto* list = child<QTreeView>(dialog, "nonAvailableList");
                              QCOMPARE(pictureOf(*list->model(), 0),
                                       expectedPicture(DiscPicture::Shared));
                          }));
    }

    void theLendNameFiltersTheNonAvailableList() {
        Desk desk(lendingCatalogue());
        desk.overdueSettings(1, 0);
        desk.commands.typed = "John";
        QVERIFY(withModal(
            [&] { desk.run(PaneCommand::ShowNonAvailable); },
            [](QDialog& dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("All CDs lent by John"));
                auto* list = child<QTreeView>(dialog, "nonAvailableList");
                QCOMPARE(column(*list->model(), 1), QStringList{QStringLiteral("2")});
                QCOMPARE(pictureOf(*list->model(), 0), expectedPicture(DiscPicture::NotShared));
                doubleClickRow(*list, 0);
                QVERIFY(!dialog.isVisible());
            }));
        QCOMPARE(desk.selectedText(), QStringLiteral("2 bravo"));

        desk.commands.typed = "Nobody";
        QVERIFY(withModal(
            [&] { desk.run(PaneCommand::ShowNonAvailable); },
            [](QDialog& dialog) {
                QVERIFY(dialog.isVisible());
                QCOMPARE(child<QTreeView>(dialog, "nonAvailableList")->model()->rowCount(), 0);
            }));
        QCOMPARE(desk.rig.prompt.messages, std::vector<std::string>{"All CDs are available"});
        QCOMPARE(desk.commands.typed, std::string("Nobody"));
    }

    void getBackInTheListLeavesTheLendDateAndTheShownDisc() {
        Desk desk(lendingCatalogue());
        QVERIFY(desk.view->selectDisc("2"));
        const int refreshes = desk.commands.fieldRefreshes;
        QVERIFY(withModal(
            [&] { desk.run(PaneCommand::ShowNonAvailable); },
            [](QDialog& dialog) {
                auto* list = child<QTreeView>(dialog, "nonAvailableList");
                clickHeader(*list->header(), 0);
                QCOMPARE(column(*list->model(), 0),
                         (QStringList{QStringLiteral("delta"), QStringLiteral("bravo")}));
                QVERIFY(list->header()->isSortIndicatorShown());
                const QPoint bravo = list->visualRect(list->model()->index(1, 0)).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, bravo);
                auto* menu = child<QMenu>(dialog, "nonAvailableMenu");
                QVERIFY(!menu->isVisible());
                QContextMenuEvent rightClick(QContextMenuEvent::Mouse, bravo,
                                             list->viewport()->mapToGlobal(bravo));
                QApplication::sendEvent(list->viewport(), &rightClick);
                QVERIFY(menu->isVisible());
                QCOMPARE(menu->actions().size(), 1);
                QCOMPARE(menu->actions().front()->text(), QStringLiteral("Get Back"));
                menu->actions().front()->trigger();
                QCOMPARE(column(*list->model(), 0), QStringList{QStringLiteral("delta")});
                QCOMPARE(dialog.windowTitle(), QStringLiteral("All non-available CDs"));
                QVERIFY(!list->header()->isSortIndicatorShown());
            }));
        const CQXDisc& disc = *desk.rig.document.catalogue().discs[1];
        QCOMPARE(disc.location(), std::string("home"));
        QCOMPARE(disc.lendDate(), std::string("March 04 2004"));
        QVERIFY(desk.rig.document.isModified());
        QCOMPARE(desk.rig.document.currentDisc().location(), std::string("John"));
        QCOMPARE(desk.commands.fieldRefreshes, refreshes);
    }

    void headerClicksSortEachColumnDescendingFirstButNotTheLendDate() {
        Desk desk(numbered({"1"}));
        for (auto& [number, name, location] :
             {std::tuple{"2", "bravo", "zoe"}, std::tuple{"10", "Alpha", "Bob"},
              std::tuple{"9", "charlie", "anna"}}) {
            desk.rig.document.catalogue().appendDisc(
                makeDisc(number, name, location, "March 01 2004", "Yes"));
        }
        QVERIFY(withModal(
            [&] { desk.run(PaneCommand::ShowNonAvailable); },
            [](QDialog& dialog) {
                auto* list = child<QTreeView>(dialog, "nonAvailableList");
                const auto numbers = [list] { return column(*list->model(), 1); };
                using L = QStringList;
                QCOMPARE(numbers(),
                         (L{QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("9")}));
                clickHeader(*list->header(), 0);
                QCOMPARE(numbers(),
                         (L{QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("10")}));
                clickHeader(*list->header(), 0);
                QCOMPARE(numbers(),
                         (L{QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("9")}));
                clickHeader(*list->header(), 1);
                QCOMPARE(numbers(),
                         (L{QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("2")}));
                QCOMPARE(list->header()->sortIndicatorSection(), 1);
                QCOMPARE(list->header()->sortIndicatorOrder(), Qt::DescendingOrder);
                clickHeader(*list->header(), 3);
                QCOMPARE(numbers(),
                         (L{QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("2")}));
                QCOMPARE(list->header()->sortIndicatorSection(), 1);
                clickHeader(*list->header(), 2);
                QCOMPARE(numbers(),
                         (L{QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("9")}));
            }));
    }

    void findGapsListsTheFreeNumbersAndSortsThemByTurns() {
        Desk desk(numbered({"1", "2", "5", "9"}));
        QVERIFY(withModal(
            [&] { desk.run(PaneCommand::FindGaps); },
            [](QDialog& dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("Find Gaps in the CD Index"));
                QVERIFY(!dialog.findChildren<QLabel*>().isEmpty());
                QStringList labels;
                for (const QLabel* label : dialog.findChildren<QLabel*>()) {
                    labels << label->text();
                }
                QVERIFY(labels.contains(QStringLiteral("Unassigned Numbers:")));
                QCOMPARE(child<QLabel>(dialog, "gapCount")->text(), QStringLiteral("5"));
                auto* list = child<QTableView>(dialog, "gapList");
                QAbstractItemModelTester tester(
                    list->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
                QCOMPARE(headers(*list), QStringList{QStringLiteral("Found gaps")});
                QCOMPARE(list->horizontalHeader()->sectionSize(0), 100);
                const auto gaps = [list] {
                    return column(*list->model(), 0).join(QLatin1Char(','));
                };
                QCOMPARE(gaps(), QStringLiteral("3,4,6,7,8"));
                grab(dialog, "find_gaps.png");
                clickHeader(*list->horizontalHeader(), 0);
                QCOMPARE(gaps(), QStringLiteral("8,7,6,4,3"));
                clickHeader(*list->horizontalHeader(), 0);
                QCOMPARE(gaps(), QStringLiteral("3,4,6,7,8"));
            }));
        QVERIFY(desk.rig.prompt.messages.empty());
    }

    void findGapsWithoutGapsSaysSo() {
        Desk desk(numbered({"1", "2", "3"}));
        QVERIFY(!withModal([&] { desk.run(PaneCommand::FindGaps); }, [](QDialog&) {}));
        QCOMPARE(desk.rig.prompt.messages, std::vector<std::string>{"No gaps in the cd index."});
    }

    void aFarLastNumberOpensAtOnceWithTheTrueCount() {
        Desk desk(numbered({"1", "2147483647"}));
        QVERIFY(withModal(
            [&] { desk.run(PaneCommand::FindGaps); },
            [](QDialog& dialog) {
                QCOMPARE(child<QLabel>(dialog, "gapCount")->text(), QStringLiteral("2147483645"));
                auto* list = child<QTableView>(dialog, "gapList");
                QCOMPARE(list->model()->rowCount(), 1000000);
                QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("2"));
                clickHeader(*list->horizontalHeader(), 0);
                QCOMPARE(list->model()->index(0, 0).data().toString(),
                         QStringLiteral("2147483646"));
            }));
    }

    void anotherUserIsRefusedEveryLendingAndNumberCommand() {
        Desk desk(lendingCatalogue(), Identity{"ben", "digest"});
        desk.commands.typed = "John";
        const std::string before = writeCatalogue(desk.rig.document.catalogue(), desk.rig.codePage);
        for (PaneCommand command :
             {PaneCommand::Lend, PaneCommand::GetBack, PaneCommand::ShowAvailable,
              PaneCommand::ShowNonAvailable, PaneCommand::FindGaps}) {
            QVERIFY(desk.view->selectDisc("2"));
            desk.rig.prompt.messages.clear();
            QVERIFY(!withModal([&] { desk.run(command); }, [](QDialog&) {}));
            QCOMPARE(desk.rig.prompt.messages, kRefusal);
        }
        desk.rig.prompt.messages.clear();
        DiscNumberActions(desk.rig.document, desk.rig.prompt).changeNumber("7", "");
        QCOMPARE(desk.rig.prompt.messages, kRefusal);
        QCOMPARE(writeCatalogue(desk.rig.document.catalogue(), desk.rig.codePage), before);
        QVERIFY(!desk.rig.document.isModified());
        QCOMPARE(desk.commands.typed, std::string("John"));
    }

    void changeNumberMovesTheDiscAndATakenNumberIsLeftAlone() {
        Desk desk(numbered({"1", "2", "9"}));
        QVERIFY(desk.view->selectDisc("9"));
        DiscNumberActions numbers(desk.rig.document, desk.rig.prompt);
        numbers.changeNumber("4", "");
        QCOMPARE(desk.catalogueNumbers(), (std::vector<std::string>{"1", "2", "4"}));
        QCOMPARE(desk.treeTexts(),
                 (QStringList{QStringLiteral("1 DISC1"), QStringLiteral("2 DISC2"),
                              QStringLiteral("4 DISC9")}));
        QCOMPARE(desk.selectedText(), QStringLiteral("4 DISC9"));

        numbers.changeNumber("1", "");
        QCOMPARE(desk.catalogueNumbers(), (std::vector<std::string>{"1", "2", "4"}));
        QCOMPARE(desk.selectedText(), QStringLiteral("4 DISC9"));
        QVERIFY(desk.rig.prompt.messages.empty());
    }

    void showDiscSelectsItInTheTree() {
        Desk desk(lendingCatalogue());
        DiscNumberActions(desk.rig.document, desk.rig.prompt).showDisc(5);
        QCOMPARE(desk.selectedText(), QStringLiteral("5 delta"));
        QCOMPARE(desk.rig.document.currentDisc().number(), std::string("5"));
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::LendingDialogsTest)
#include "lending_dialogs_test.moc"
