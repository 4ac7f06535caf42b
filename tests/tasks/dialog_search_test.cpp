#include "tasks/search_window/ui/dialog_search.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "accounts/disc_sharing.h"
#include "app/copy_from_search.h"
#include "app/setting_names.h"
#include "app/ui/qt_text.h"
#include "support/document_rig.h"
#include "support/fake_disc_volume.h"
#include "support/quiet_panes.h"
#include "support/widget_lookup.h"
#include "tasks/search_window/search_window_host.h"
#include "tasks/search_window/ui/search_windows.h"

namespace vorlix {

namespace {

using test::child;
using test::DocumentRig;
using Texts = std::vector<std::string>;

// What one scripted search reports, batch by batch, from a worker thread of its own. With
// holdAfter set it waits after that many batches until the test releases it or it is stopped.
struct SearchScript {
    std::vector<std::vector<FileResult>> files;
    std::vector<std::vector<DiscResult>> discs;
    std::optional<std::size_t> holdAfter;
};

class ScriptedRun final : public SearchRun {
public:
    ScriptedRun(SearchScript script, SearchReceiver& receiver) : m_script(std::move(script)) {
        m_worker = std::thread([this, &receiver] { work(receiver); });
    }
    ~ScriptedRun() override { stop(); }

    void stop() override {
        {
            std::lock_guard lock(m_mutex);
            m_stopped = true;
        }
        m_changed.notify_all();
        if (m_worker.joinable()) {
            m_worker.join();
        }
    }
    bool finished() const override { return m_finished; }

    void release() {
        {
            std::lock_guard lock(m_mutex);
            m_released = true;
        }
        m_changed.notify_all();
    }
    // Waits, without letting the window's events through, until the worker has sent that many
    // batches.
    void waitUntilSent(std::size_t batches) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this, batches] { return m_sent >= batches; });
    }

private:
    void work(SearchReceiver& receiver) {
        const std::size_t batches = std::max(m_script.files.size(), m_script.discs.size());
        for (std::size_t batch = 0; batch < batches; ++batch) {
            if (stopped()) {
                return end();
            }
            if (batch < m_script.files.size()) {
                receiver.filesFound(m_script.files[batch]);
            } else {
                receiver.discsFound(m_script.discs[batch]);
            }
            {
                std::lock_guard lock(m_mutex);
                ++m_sent;
            }
            m_changed.notify_all();
            if (m_script.holdAfter == batch + 1) {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [this] { return m_released || m_stopped; });
            }
        }
        if (!stopped()) {
            receiver.searchDone();
        }
        end();
    }
    bool stopped() {
        std::lock_guard lock(m_mutex);
        return m_stopped;
    }
    void end() {
        std::lock_guard lock(m_mutex);
        m_finished = true;
        m_changed.notify_all();
    }

    SearchScript m_script;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stopped = false;
    bool m_released = false;
    std::size_t m_sent = 0;
    std::atomic<bool> m_finished = false;
    std::thread m_worker;
};

// Searches that report what the test scripted, in the order the searches start; a search
// beyond the script finds nothing.
struct ScriptedSearches final : SearchService {
    std::vector<SearchScript> scripts;
    std::vector<SearchParameters> started;
    std::vector<ScriptedRun*> runs;

    std::unique_ptr<SearchRun> start(const SearchParameters& parameters,
                                     SearchReceiver& receiver) override {
        SearchScript script =
            started.size() < scripts.size() ? scripts[started.size()] : SearchScript{};
        started.push_back(parameters);
        auto run = std::make_unique<ScriptedRun>(std::move(script), receiver);
        runs.push_back(run.get());
        return run;
    }
};

struct RecordingTree final : test::QuietDiscTree {
    Texts calls;
    // What the user does while the disc is shared.
    std::function<void()> whileSharing;
    bool selectDisc(const std::string& number) override {
        calls.push_back("select " + number);
        return true;
    }
    ShareResult shareSelectedDisc(bool shared) override {
        calls.push_back(shared ? "share" : "unshare");
        if (whileSharing) {
            whileSharing();
        }
        return ShareResult::Changed;
    }
};

struct Host final : SearchWindowHost {
    Texts calls;
    void minimizeSearchWindows() override { calls.push_back("minimize"); }
    void maximizeMainWindow() override { calls.push_back("maximize"); }
};

struct Copies final : CopyFromSearch {
    void copyFromSearch(const std::vector<CQXDisc*>&, const Texts&) override {}
};

FileResult file(const char* number, const char* name, const char* type = "MP3") {
    return {type, "1.000 MB", number, name};
}

CQXCatalog catalogue() {
    CQXCatalog made;
    made.categories = TextList{"Rock", "Jazz", "Live"};
    for (const char* number : {"1", "2", "3"}) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(number);
        disc->setName(std::string("Disc ") + number);
        disc->setLocation("home");
        disc->setShared("Yes");
        disc->files.push_back(CQXFileData("song.mp3", "d:\\", "1048576", "d:"));
        made.appendDisc(std::move(disc));
    }
    return made;
}

// A document with the panes the window reaches, and windows opened over scripted searches.
struct WindowRig {
    WindowRig() {
        rig.load(catalogue());
        rig.document.addPane(tree);
    }
    ~WindowRig() {
        windows.clear();
        rig.document.removePane(tree);
    }

    CDialogSearch& open(SearchQuery opened, Texts chosen = {}, bool atOnce = false,
                        bool maySeeAll = true) {
        queries.push_back(std::make_unique<SearchQuery>(std::move(opened)));
        categories.push_back(std::make_unique<Texts>(std::move(chosen)));
        windows.push_back(
            factory.create({*queries.back(), *categories.back(), rig.document.catalogue(),
                            maySeeAll, atOnce, [this] { ++closedTold; }}));
        auto& window = static_cast<CDialogSearch&>(*windows.back());
        testers.push_back(std::make_unique<QAbstractItemModelTester>(
            child<QTreeView>(window, "results")->model()));
        return window;
    }

    DocumentRig rig;
    RecordingTree tree;
    ScriptedSearches searches;
    test::FakeDiscDrives drives;
    Copies copies;
    Host host;
    SearchWindows factory{SearchWindowServices{searches, rig.document, rig.prompt, rig.settings,
                                               drives, rig.shell, copies, host}};
    std::vector<std::unique_ptr<SearchQuery>> queries;
    std::vector<std::unique_ptr<Texts>> categories;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
    std::vector<std::unique_ptr<SearchWindow>> windows;
    int closedTold = 0;
};

SearchQuery filesQuery(const char* pattern = "*", const char* scope = "all") {
    return {pattern, "files", scope, "", "", "", "And"};
}

QStringList column(QWidget& window, int index) {
    const QAbstractItemModel* model = child<QTreeView>(window, "results")->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row) {
        texts << model->index(row, index).data().toString();
    }
    return texts;
}

QStringList strings(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) {
        list << QString::fromUtf8(text);
    }
    return list;
}

QString text(QWidget& window, const char* label) {
    return child<QLabel>(window, label)->text();
}

void click(QWidget& window, const char* button) {
    QTest::mouseClick(child<QAbstractButton>(window, button), Qt::LeftButton);
}

bool idle(QWidget& window) {
    return child<QPushButton>(window, "searchButton")->isEnabled() &&
           child<QPushButton>(window, "closeButton")->isEnabled() &&
           !child<QPushButton>(window, "stopButton")->isEnabled() &&
           text(window, "currentAction") == QStringLiteral("Current action : Sleeping ...");
}

// Opens the context menu of the list and picks the item at the end of the path.
void chooseFromMenu(QAbstractItemView* list, QStringList path) {
    QTimer::singleShot(0, [path] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QMenu* current = menu;
        for (int step = 0; step < path.size(); ++step) {
            QAction* found = nullptr;
            for (QAction* action : current->actions()) {
                if (action->text() == path[step]) {
                    found = action;
                }
            }
            QVERIFY2(found != nullptr, qPrintable(path[step]));
            if (step + 1 < path.size()) {
                current = found->menu();
                continue;
            }
            menu->close();
            found->trigger();
        }
    });
    Q_EMIT list->customContextMenuRequested(QPoint(5, 5));
}

void chooseFromResultsMenu(QWidget& window, QStringList path) {
    chooseFromMenu(child<QTreeView>(window, "results"), std::move(path));
}

void selectRows(QWidget& window, std::initializer_list<int> rows) {
    QTreeView* results = child<QTreeView>(window, "results");
    results->clearSelection();
    for (int row : rows) {
        results->selectionModel()->select(results->model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    results->selectionModel()->setCurrentIndex(results->model()->index(*rows.begin(), 0),
                                               QItemSelectionModel::NoUpdate);
}

}  // namespace

class DialogSearchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // "View Files" with two categories: the window searches by itself, every batch on top of
    // the one before, and ends idle with the count.
    void aWindowThatStartsByItselfShowsTheResultsNewestFirst() {
        WindowRig rig;
        rig.searches.scripts = {
            {{{file("1", "a"), file("1", "b")}, {file("2", "c", "")}}, {}, std::nullopt}};
        CDialogSearch& window =
            rig.open(filesQuery("*", "byCat"), {"Rock", "Live"}, /*atOnce=*/true);
        QVERIFY(child<QRadioButton>(window, "filesRadio")->isChecked());
        QTRY_VERIFY(idle(window) && rig.searches.started.size() == 1);
        QCOMPARE(
            rig.searches.started[0],
            (SearchParameters{"*", "files", "byCat", "", "", "", "And", {"Rock", "Live"}, true}));
        QCOMPARE(column(window, 0), strings({"c", "b", "a"}));
        QCOMPARE(column(window, 3), strings({"", "MP3", "MP3"}));
        QCOMPARE(window.windowTitle(), QStringLiteral("Pattern '*' in all CDs"));
        QCOMPARE(text(window, "foundItems"), QStringLiteral("3"));
        QCOMPARE(child<QTreeWidget>(window, "selectedCategories")->topLevelItemCount(), 2);
        QCOMPARE(child<QTreeWidget>(window, "allCategories")->topLevelItemCount(), 3);
        QCOMPARE(child<QProgressBar>(window, "progressBar")->value(), 0);
        QCOMPARE(window.geometry().size(), QSize(540, 600));
    }

    void aDiscSearchThatStartsByItselfKeepsTheQuerysMode() {
        WindowRig rig;
        rig.searches.scripts = {{{}, {{{"2", "Disc 2", "home", true}}}, std::nullopt}};
        CDialogSearch& window = rig.open({"disc", "names", "all", "", "", "", "And"}, {}, true);
        QTRY_VERIFY(idle(window) && rig.searches.started.size() == 1);
        QVERIFY(child<QRadioButton>(window, "discsRadio")->isChecked());
        QVERIFY(!child<QLineEdit>(window, "inCdEdit")->isEnabled());
        QCOMPARE(column(window, 0), strings({"Disc 2"}));
        QCOMPARE(window.windowTitle(), QStringLiteral("CD search 'disc"));
        // The first disc row becomes current when the search is done.
        QCOMPARE(child<QTreeView>(window, "results")->currentIndex().row(), 0);
    }

    // Without auto-start nothing is searched until Search; the fields go in as typed, the
    // folder lower-cased, and the caption shows the pattern without its stars.
    void searchTakesTheFieldsAndSaysWhatItLooksFor() {
        WindowRig rig;
        CDialogSearch& window = rig.open({"beatles", "names", "all", "", "", "", "And"});
        QVERIFY(child<QRadioButton>(window, "filesRadio")->isChecked());
        QCoreApplication::processEvents();
        QVERIFY(rig.searches.started.empty());
        child<QLineEdit>(window, "patternEdit")->setText(QStringLiteral("*mp3*"));
        child<QLineEdit>(window, "folderEdit")->setText(QStringLiteral("Music"));
        click(window, "searchButton");
        QTRY_VERIFY(idle(window));
        QCOMPARE(rig.searches.started.size(), std::size_t{1});
        QCOMPARE(rig.searches.started[0].pattern, std::string("*mp3*"));
        QCOMPARE(rig.searches.started[0].folder, std::string("music"));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Pattern 'mp3 in folder : 'music' in all CDs"));
        child<QLineEdit>(window, "artistEdit")->setText(QStringLiteral("Queen"));
        child<QLineEdit>(window, "inCdEdit")->setText(QStringLiteral("7"));
        QTest::keyClick(child<QLineEdit>(window, "inCdEdit"), Qt::Key_Return);
        QTRY_COMPARE(rig.searches.started.size(), std::size_t{2});
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Pattern 'mp3 in folder : 'music' artist 'Queen' in CD 7"));
    }

    void aSecondSearchEmptiesTheListAndTheCountFirst() {
        WindowRig rig;
        rig.searches.scripts = {{{{file("1", "a"), file("1", "b")}}, {}, std::nullopt},
                                {{{file("2", "c")}}, {}, std::nullopt}};
        CDialogSearch& window = rig.open(filesQuery());
        click(window, "searchButton");
        QTRY_VERIFY(idle(window) && column(window, 0).size() == 2);
        click(window, "searchButton");
        QTRY_VERIFY(idle(window) && rig.searches.started.size() == 2);
        QCOMPARE(column(window, 0), strings({"c"}));
        QCOMPARE(text(window, "foundItems"), QStringLiteral("1"));
    }

    // Results the worker sent before Stop but the window had not taken yet are dropped, and
    // nothing comes after.
    void stopKeepsWhatWasShownAndTakesNothingMore() {
        WindowRig rig;
        rig.searches.scripts = {{{{file("1", "a")}, {file("2", "b")}, {file("3", "c")}}, {}, 1}};
        CDialogSearch& window = rig.open(filesQuery());
        click(window, "searchButton");
        QTRY_COMPARE(column(window, 0), strings({"a"}));
        QVERIFY(window.searching());
        QVERIFY(child<QPushButton>(window, "stopButton")->isEnabled());
        QVERIFY(!child<QPushButton>(window, "searchButton")->isEnabled());
        rig.searches.runs[0]->release();
        // The next batch has been sent; Stop comes before the window takes it.
        rig.searches.runs[0]->waitUntilSent(2);
        child<QPushButton>(window, "stopButton")->click();
        for (int round = 0; round < 5; ++round) {
            QCoreApplication::processEvents();
        }
        QCOMPARE(column(window, 0), strings({"a"}));
        QVERIFY(idle(window));
        QVERIFY(!window.searching());
        QVERIFY(rig.searches.runs[0]->finished());
    }

    void twoWindowsSearchAtOnceAndKeepTheirOwnResults() {
        WindowRig rig;
        rig.searches.scripts = {{{{file("1", "first")}}, {}, 1}, {{{file("2", "second")}}, {}, 1}};
        CDialogSearch& one = rig.open(filesQuery());
        CDialogSearch& two = rig.open(filesQuery());
        click(one, "searchButton");
        click(two, "searchButton");
        QTRY_VERIFY(column(one, 0).size() == 1 && column(two, 0).size() == 1);
        QVERIFY(one.searching() && two.searching());
        rig.searches.runs[1]->release();
        rig.searches.runs[0]->release();
        QTRY_VERIFY(idle(one) && idle(two));
        QCOMPARE(column(one, 0), strings({"first"}));
        QCOMPARE(column(two, 0), strings({"second"}));
    }

    void theFilterWaitsForTheSearchAndKeepsMatchingRowsInOrder() {
        WindowRig rig;
        rig.rig.settings.writeNumber(setting::kSettingsKey, setting::kEnableDynamic, 1);
        rig.searches.scripts = {
            {{{file("1", "Rock song"), file("1", "jazz"), file("2", "rock live")}}, {}, 1}};
        CDialogSearch& window = rig.open(filesQuery("rock"));
        QLineEdit* filter = child<QLineEdit>(window, "filterEdit");
        QVERIFY(filter->isVisibleTo(&window));
        QCOMPARE(filter->text(), QStringLiteral("rock"));
        click(window, "searchButton");
        QTRY_COMPARE(column(window, 0).size(), 3);
        filter->setText(QStringLiteral("ROCK"));
        QTest::qWait(700);
        QCOMPARE(column(window, 0).size(), 3);
        rig.searches.runs[0]->release();
        QTRY_COMPARE(column(window, 0), strings({"rock live", "Rock song"}));
        QCOMPARE(text(window, "foundItems"), QStringLiteral("2"));
        filter->setText(QString());
        QTRY_COMPARE(column(window, 0).size(), 3);
    }

    void withoutTheDynamicSettingThereIsNoFilter() {
        WindowRig rig;
        CDialogSearch& window = rig.open(filesQuery());
        QVERIFY(!child<QLineEdit>(window, "filterEdit")->isVisibleTo(&window));
    }

    void headerClicksSortDescendingThenAscending() {
        WindowRig rig;
        rig.searches.scripts = {
            {{{file("9", "x"), file("10", "y"), file("100", "z")}}, {}, std::nullopt}};
        CDialogSearch& window = rig.open(filesQuery());
        click(window, "searchButton");
        QTRY_VERIFY(idle(window) && column(window, 0).size() == 3);
        QHeaderView* header = child<QTreeView>(window, "results")->header();
        const QPoint nr(header->sectionViewportPosition(1) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nr);
        QCOMPARE(column(window, 1), strings({"100", "10", "9"}));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nr);
        QCOMPARE(column(window, 1), strings({"9", "10", "100"}));
    }

    void releasingTabSelectsEveryResult() {
        WindowRig rig;
        rig.searches.scripts = {{{{file("1", "x"), file("2", "y")}}, {}, std::nullopt}};
        CDialogSearch& window = rig.open(filesQuery());
        click(window, "searchButton");
        QTRY_VERIFY(idle(window) && column(window, 0).size() == 2);
        QTreeView* results = child<QTreeView>(window, "results");
        QVERIFY(results->selectionModel()->selectedRows().isEmpty());
        QTest::keyRelease(child<QLineEdit>(window, "artistEdit"), Qt::Key_Tab);
        QCOMPARE(results->selectionModel()->selectedRows().size(), 2);
    }

    void changesWithoutTheOwnerAreUnauthorized() {
        WindowRig rig;
        rig.searches.scripts = {{{}, {{{"1", "Disc 1", "home", true}}}, std::nullopt}};
        CDialogSearch& window = rig.open({"disc", "names", "all", "", "", "", "And"}, {}, true,
                                         /*maySeeAll=*/false);
        QTRY_VERIFY(idle(window) && column(window, 0).size() == 1);
        selectRows(window, {0});
        for (const char* action : {"Share CD", "Unshare CD", "Attach to Category"}) {
            rig.rig.prompt.messages.clear();
            chooseFromResultsMenu(window, {QStringLiteral("CD"), QString::fromLatin1(action)});
            QCOMPARE(rig.rig.prompt.messages, Texts{"Unauthorized action!"});
            QVERIFY(idle(window));
        }
        QVERIFY(rig.tree.calls.empty());
        QCOMPARE(rig.searches.started.size(), std::size_t{1});
    }

    // The tree shares each selected disc, and the search runs again to show the new state.
    void shareGoesThroughTheTreeAndSearchesAgain() {
        WindowRig rig;
        rig.searches.scripts = {
            {{}, {{{"1", "Disc 1", "home", false}, {"3", "Disc 3", "home", false}}}, {}}};
        CDialogSearch& window = rig.open({"disc", "names", "all", "", "", "", "And"}, {}, true);
        QTRY_VERIFY(idle(window) && column(window, 0).size() == 2);
        selectRows(window, {0, 1});
        chooseFromResultsMenu(window, {QStringLiteral("CD"), QStringLiteral("Share CD")});
        QCOMPARE(rig.tree.calls, (Texts{"select 3", "share", "select 1", "share"}));
        QTRY_VERIFY(idle(window) && rig.searches.started.size() == 2);
    }

    // While a walk runs the close box does nothing; the panel's CLOSE ends the walk, and the
    // opener hears of the closing once the walk is over.
    void aWalkKeepsTheCloseBoxShutAndEndsOnClose() {
        WindowRig rig;
        rig.searches.scripts = {{{},
                                 {{{"1", "Disc 1", "home", false},
                                   {"2", "Disc 2", "home", false},
                                   {"3", "Disc 3", "home", false}}},
                                 {}}};
        CDialogSearch& window = rig.open({"disc", "names", "all", "", "", "", "And"}, {}, true);
        QTRY_VERIFY(idle(window) && column(window, 0).size() == 3);
        selectRows(window, {0, 1, 2});
        int shares = 0;
        rig.tree.whileSharing = [&] {
            ++shares;
            if (shares == 1) {
                window.close();
                QVERIFY(!window.isClosed());
                QVERIFY(!child<QPushButton>(window, "closeButton")->isEnabled());
                QVERIFY(child<QPushButton>(window, "stopButton")->isEnabled());
                QCOMPARE(text(window, "currentAction"),
                         QStringLiteral("Current action : Share CD ..."));
            } else {
                window.apply(SearchWindowWord::Close);
                QCOMPARE(rig.closedTold, 0);
            }
        };
        chooseFromResultsMenu(window, {QStringLiteral("CD"), QStringLiteral("Share CD")});
        QCOMPARE(shares, 2);
        QVERIFY(window.isClosed());
        QCOMPARE(rig.closedTold, 1);
        QCOMPARE(rig.searches.started.size(), std::size_t{1});
    }

    void categoriesChosenInTheListGoOnTheSelectedDiscs() {
        WindowRig rig;
        rig.searches.scripts = {{{}, {{{"2", "Disc 2", "home", true}}}, std::nullopt}};
        CDialogSearch& window = rig.open({"disc", "names", "all", "", "", "", "And"}, {}, true);
        QTRY_VERIFY(idle(window) && column(window, 0).size() == 1);
        child<QTreeWidget>(window, "allCategories")->topLevelItem(2)->setSelected(true);
        selectRows(window, {0});
        chooseFromResultsMenu(window, {QStringLiteral("CD"), QStringLiteral("Attach to Category")});
        QCOMPARE(rig.rig.document.catalogue().findDisc("2")->categories(), Texts{"Live"});
        QVERIFY(rig.rig.document.isModified());
        QCOMPARE(rig.rig.prompt.messages, Texts{"Categories attached!"});
        QVERIFY(idle(window));
        rig.rig.prompt.messages.clear();
        chooseFromResultsMenu(window,
                              {QStringLiteral("File"), QStringLiteral("Attach to Category")});
        QCOMPARE(rig.rig.prompt.messages, Texts{"Select a file"});
    }

    // "Search By this Cat" makes the window search by the chosen categories from then on.
    void searchByThisCategoryNarrowsTheSearch() {
        WindowRig rig;
        CDialogSearch& window = rig.open(filesQuery());
        QTreeWidget* all = child<QTreeWidget>(window, "allCategories");
        all->topLevelItem(0)->setSelected(true);
        all->topLevelItem(1)->setSelected(true);
        Q_EMIT all->itemDoubleClicked(all->topLevelItem(0), 0);
        QTRY_VERIFY(idle(window) && rig.searches.started.size() == 1);
        QCOMPARE(rig.searches.started[0].scope, std::string("byCat"));
        QCOMPARE(rig.searches.started[0].categories, (Texts{"Rock", "Jazz"}));
        QCOMPARE(*rig.categories[0], (Texts{"Rock", "Jazz"}));
        QCOMPARE(child<QTreeWidget>(window, "selectedCategories")->topLevelItemCount(), 2);
        click(window, "searchButton");
        QTRY_VERIFY(idle(window) && rig.searches.started.size() == 2);
        QCOMPARE(rig.searches.started[1].scope, std::string("byCat"));
    }

    // "Add To Search List" chooses without searching; "Delete" takes names off the list again.
    void theSelectedCategoriesAreChosenAndTakenOff() {
        WindowRig rig;
        CDialogSearch& window = rig.open(filesQuery());
        QTreeWidget* all = child<QTreeWidget>(window, "allCategories");
        QTreeWidget* selected = child<QTreeWidget>(window, "selectedCategories");
        for (int row : {0, 2}) {
            all->topLevelItem(row)->setSelected(true);
        }
        chooseFromMenu(all, {QStringLiteral("Add To Search List")});
        QCOMPARE(*rig.categories[0], (Texts{"Rock", "Live"}));
        QCOMPARE(selected->topLevelItemCount(), 2);
        QCoreApplication::processEvents();
        QVERIFY(rig.searches.started.empty());
        selected->topLevelItem(0)->setSelected(true);
        chooseFromMenu(selected, {QStringLiteral("Delete")});
        QCOMPARE(*rig.categories[0], Texts{"Live"});
        QCOMPARE(selected->topLevelItemCount(), 1);
        QCOMPARE(selected->topLevelItem(0)->text(0), QStringLiteral("Live"));
        QVERIFY(rig.rig.prompt.messages.empty());
    }

    void doubleClickOnADiscGoesToIt() {
        WindowRig rig;
        rig.searches.scripts = {{{}, {{{"3", "Disc 3", "home", true}}}, std::nullopt}};
        CDialogSearch& window = rig.open({"disc", "names", "all", "", "", "", "And"}, {}, true);
        QTRY_VERIFY(idle(window) && column(window, 0).size() == 1);
        QTreeView* results = child<QTreeView>(window, "results");
        const QRect cell = results->visualRect(results->model()->index(0, 0));
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(rig.host.calls, Texts{"minimize"});
        QCOMPARE(rig.tree.calls, Texts{"select 3"});
    }

    // The first disc result's cover shows when the search is done, resampled by the disc's
    // kind; a disc without one shows the program folder's "no image" picture.
    void theCoverOfTheCurrentResultsDiscShows() {
        WindowRig rig;
        QImage noImage(50, 50, QImage::Format_RGB32);
        noImage.fill(Qt::black);
        noImage.save(toQt(rig.rig.folder.file("noimage_search.jpg")), "JPG");
        const auto cover = [](int width) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QImage picture(width, 150, QImage::Format_RGB32);
            picture.fill(Qt::white);
            picture.save(&buffer, "PNG");
            return ByteArray{{bytes.begin(), bytes.end()}};
        };
        CQXCatalog& catalogue = rig.rig.document.catalogue();
        catalogue.named.set("CD1", cover(200));
        catalogue.named.set("CD2", cover(60));
        catalogue.findDisc("2")->setInfo("<info><mode>dvd</mode></info>");
        rig.searches.scripts = {{{},
                                 {{{"3", "Disc 3", "home", true},
                                   {"2", "Disc 2", "home", true},
                                   {"1", "Disc 1", "home", true}}},
                                 {}}};
        CDialogSearch& window = rig.open({"disc", "names", "all", "", "", "", "And"}, {}, true);
        QTRY_VERIFY(idle(window) && column(window, 0).size() == 3);
        QLabel* picture = child<QLabel>(window, "coverPicture");
        QCOMPARE(picture->pixmap().size(), QSize(100, 87));
        QTreeView* results = child<QTreeView>(window, "results");
        QTest::keyClick(results, Qt::Key_Down);
        QCOMPARE(picture->pixmap().size(), QSize(75, 87));
        QTest::keyClick(results, Qt::Key_Down);
        QCOMPARE(picture->pixmap().size(), QSize(100, 87));
        const QImage shown = picture->pixmap().toImage();
        QCOMPARE(shown.pixelColor(50, 40), QColor(Qt::black));
    }

    // The export lists the rows shown, after the filter.
    void exportWritesTheRowsShown() {
        WindowRig rig;
        rig.rig.settings.writeNumber(setting::kSettingsKey, setting::kEnableDynamic, 1);
        rig.searches.scripts = {{{{file("1", "a&b"), file("1", "zz"), file("2", "ab")}}, {}, {}}};
        CDialogSearch& window = rig.open(filesQuery(""));
        click(window, "searchButton");
        QTRY_VERIFY(idle(window) && column(window, 0).size() == 3);
        child<QLineEdit>(window, "filterEdit")->setText(QStringLiteral("b"));
        QTRY_COMPARE(column(window, 0).size(), 2);
        rig.rig.prompt.files.push_back(rig.rig.folder.file("found"));
        click(window, "exportButton");
        const std::string page = test::readFile(rig.rig.folder.file("found.html"));
        QVERIFY(page.starts_with("<html>\n<head>\n<title>Search Results: 2 Files in Untitled"));
        QVERIFY(page.find("Match # 1</td>") != std::string::npos);
        QVERIFY(page.find("&quot;ab&quot;") < page.find("&quot;a&amp;b&quot;"));
        QVERIFY(page.find("Match # 3") == std::string::npos);
        QVERIFY(page.ends_with("&nbsp;2 Files </span></p>\n</body>\n</html>"));
    }

    void theTrayHidesAndShowsAndCloseStopsTheSearch() {
        WindowRig rig;
        rig.searches.scripts = {{{{file("1", "a")}}, {}, 1}};
        CDialogSearch& window = rig.open(filesQuery());
        QVERIFY(window.isVisible());
        window.apply(SearchWindowWord::Hide);
        QVERIFY(!window.isVisible());
        window.apply(SearchWindowWord::Show);
        QVERIFY(window.isVisible());
        click(window, "searchButton");
        QTRY_VERIFY(window.searching() && column(window, 0).size() == 1);
        window.apply(SearchWindowWord::Close);
        QVERIFY(window.isClosed());
        QVERIFY(!window.isVisible());
        QVERIFY(rig.searches.runs[0]->finished());
        QCOMPARE(rig.closedTold, 1);
    }

    // A hundred thousand results in batches all reach the list.
    void aHundredThousandResultsAreAllShown() {
        WindowRig rig;
        SearchScript script;
        for (int batch = 0; batch < 100; ++batch) {
            std::vector<FileResult> found;
            for (int i = 0; i < 1000; ++i) {
                found.push_back(file("1", "file"));
            }
            script.files.push_back(std::move(found));
        }
        rig.searches.scripts = {script};
        CDialogSearch& window = rig.open(filesQuery());
        rig.testers.clear();
        // The figures are for reading, not for passing: a loaded machine must not fail a test.
        QElapsedTimer clock;
        qint64 lastTick = 0;
        qint64 longestGap = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, clock.elapsed() - lastTick);
            lastTick = clock.elapsed();
        });
        ticks.start(0);
        clock.start();
        click(window, "searchButton");
        QTRY_VERIFY(idle(window));
        qInfo("100000 results shown in %lld ms; the longest the window was not free: %lld ms",
              static_cast<long long>(clock.elapsed()), static_cast<long long>(longestGap));
        QCOMPARE(child<QTreeView>(window, "results")->model()->rowCount(), 100000);
        QCOMPARE(text(window, "foundItems"), QStringLiteral("100000"));
    }

    // With VORLIX_GRAB_DIR set the window's picture is left there for a look at it.
    void grab() {
        const QByteArray folder = qgetenv("VORLIX_GRAB_DIR");
        if (folder.isEmpty()) {
            QSKIP("VORLIX_GRAB_DIR is not set");
        }
        WindowRig rig;
        rig.rig.settings.writeNumber(setting::kSettingsKey, setting::kEnableDynamic, 1);
        rig.searches.scripts = {
            {{{file("1", "Yesterday"), file("2", "Help!", ""), file("12", "Let It Be", "FLAC")}},
             {},
             {}}};
        CDialogSearch& window = rig.open(filesQuery("*", "byCat"), {"Rock"}, true);
        QTRY_VERIFY(idle(window) && column(window, 0).size() == 3);
        QVERIFY(window.grab().save(QString::fromUtf8(folder) + QStringLiteral("/search.png")));
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::DialogSearchTest)
#include "dialog_search_test.moc"
