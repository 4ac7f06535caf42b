#include <QAbstractItemModelTester>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTimer>
#include <QTreeView>
#include <QtTest>
#include <cctype>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/catalogue_document.h"
#include "app/setting_names.h"
#include "app/settings/settings_flags.h"
#include "app/ui/qt_text.h"
#include "core/catalog.h"
#include "core/user_prompt.h"
#include "net/copy_task.h"
#include "platform/disc_drives.h"
#include "support/document_rig.h"
#include "support/fake_disc_volume.h"
#include "support/widget_lookup.h"
#include "views/logic/file_list_columns.h"
#include "views/qx2_view.h"
#include "views/view_services.h"

namespace vorlix {

namespace {

using test::FakeDiscVolume;

// The serial number of the catalogued disc, as "%d" text and as the drive reports it.
const std::string kDiscSerial = "-392039741";
constexpr std::uint32_t kDriveSerial = 3902927555u;

QStringList texts(const std::vector<std::string>& list) {
    QStringList result;
    for (const std::string& text : list) {
        result << toQt(text);
    }
    return result;
}

std::string lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// Optical drives over fake volumes that also find catalogued paths on them, component by
// component without regard to case, as "/media/<letter>/<path as on the volume>".
class ResolvingDrives final : public DiscDrives {
public:
    std::shared_ptr<FakeDiscVolume> addDrive(std::shared_ptr<FakeDiscVolume> volume) {
        m_volumes.push_back(volume);
        return m_drives.addDrive(std::move(volume));
    }

    std::vector<DiscSource> opticalDrives() override { return m_drives.opticalDrives(); }
    DiscSource addImage(const std::string& path) override { return m_drives.addImage(path); }
    DiscSource addFolder(const std::string& path) override { return m_drives.addFolder(path); }
    std::unique_ptr<DiscVolume> open(const std::string& root) override {
        return m_drives.open(root);
    }

    std::optional<std::string> resolve(const std::string& path) override {
        const std::vector<DiscSource> drives = opticalDrives();
        for (std::size_t i = 0; i < drives.size(); ++i) {
            if (!path.empty() && std::toupper(static_cast<unsigned char>(path[0])) ==
                                     static_cast<unsigned char>(drives[i].root[0])) {
                return resolveOn(*m_volumes[i], drives[i].root[0], path);
            }
        }
        return std::nullopt;
    }

private:
    static std::optional<std::string> resolveOn(FakeDiscVolume& volume, char letter,
                                                const std::string& path) {
        std::string onVolume;
        std::size_t start = path.find('\\') + 1;
        bool folder = true;
        while (start < path.size()) {
            std::size_t end = path.find('\\', start);
            end = end == std::string::npos ? path.size() : end;
            std::vector<DirectoryEntry> entries;
            if (!volume.list(onVolume, entries)) {
                return std::nullopt;
            }
            const std::string wanted = lower(path.substr(start, end - start));
            const auto found = std::find_if(entries.begin(), entries.end(),
                                            [&](const auto& e) { return lower(e.name) == wanted; });
            if (found == entries.end()) {
                return std::nullopt;
            }
            onVolume = onVolume.empty() ? found->name : onVolume + "/" + found->name;
            folder = found->folder;
            start = end + 1;
        }
        if (folder) {
            return std::nullopt;
        }
        return "/media/" + std::string(1, letter) + "/" + onVolume;
    }

    test::FakeDiscDrives m_drives;
    std::vector<std::shared_ptr<FakeDiscVolume>> m_volumes;  // in drive order
};

// The rig's scripted user, who also remembers the icons of the messages and may do something
// (insert a disc) before answering a question.
class UserAtTheDrive final : public UserPrompt {
public:
    explicit UserAtTheDrive(test::ScriptedPrompt& script) : m_script(script) {}

    std::function<void()> beforeAnswer;
    std::vector<MessageIcon> icons;

    void message(std::string_view text, MessageIcon icon) override {
        icons.push_back(icon);
        m_script.message(text, icon);
    }
    Answer ask(std::string_view text, Buttons buttons, MessageIcon icon) override {
        icons.push_back(icon);
        if (beforeAnswer) {
            beforeAnswer();
        }
        return m_script.ask(text, buttons, icon);
    }
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override {
        return m_script.chooseFileToOpen(request);
    }
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override {
        return m_script.chooseFileToSave(request);
    }

private:
    test::ScriptedPrompt& m_script;
};

// The room a column leaves for the text of its cells: the style keeps a margin of its focus
// frame and one pixel at each side of the text.
int textRoom(const QTreeView& list, int column) {
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return list.header()->sectionSize(column) - 2 * margin;
}

// The room the style leaves for a header's title beside the sort arrow.
int labelRoom(const QHeaderView& header, int section) {
    QStyleOptionHeader option;
    option.initFrom(&header);
    option.rect = QRect(0, 0, header.sectionSize(section), header.height());
    option.section = section;
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.sortIndicator = QStyleOptionHeader::SortDown;
    return header.style()->subElementRect(QStyle::SE_HeaderLabel, &option, &header).width();
}

struct File {
    std::string name;
    std::string folder;
    std::string size = "1";
};

// Disc 12 "BACKUP" holding the files, the only disc of a catalogue owned by the rig's user,
// and the file list beside it.
// The copies the file list asks for.
struct RecordedCopies final : CopyTaskStarter {
    std::vector<CopyTask> started;
    void start(CopyTask task) override { started.push_back(std::move(task)); }
};

struct FileListFixture {
    explicit FileListFixture(const std::vector<File>& files,
                             const std::string& serial = kDiscSerial) {
        CQXCatalog catalogue;
        catalogue.addDefaultNamedObjects();
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber("12");
        disc->setName("BACKUP");
        disc->setSerial(serial);
        disc->setShared("Yes");
        disc->setOwnerName(test::DocumentRig::anna().logName);
        disc->setOwnerDigest(test::DocumentRig::anna().passwordDigest);
        disc->setOutline("12 BACKUP\r\n\tdocs\r\n\t\told\r\n\tmusic\r\n");
        for (const File& file : files) {
            disc->files.emplace_back(file.name, file.folder, file.size, "d:");
        }
        catalogue.appendDisc(std::move(disc));
        rig.load(std::move(catalogue));
        view.resize(400, 300);
        view.show();
    }

    CQXDisc& disc() { return *rig.document.catalogue().discs.front(); }
    CQXFileData& entry(std::size_t i) { return disc().files[i]; }

    // What the tree does when the item is selected.
    void select(const std::string& itemPath) {
        rig.document.setCurrentDisc(disc());
        view.showFolder(itemPath);
    }

    // The rows as shown, "name|size|type".
    QStringList rows() const {
        QStringList shown;
        const QAbstractItemModel* model = list->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column) {
                cells << model->index(row, column).data().toString();
            }
            shown << cells.join(QLatin1Char('|'));
        }
        return shown;
    }

    QString nameAt(int row) const { return list->model()->index(row, 0).data().toString(); }

    QPoint centreOf(int row) const {
        return list->visualRect(list->model()->index(row, 0)).center();
    }

    void clickHeader(FileListColumn column) {
        QHeaderView* header = list->header();
        const int section = static_cast<int>(column);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(section) + 5, 5));
    }

    // Right-clicks the row and picks the item from the menu that opens (or closes it when the
    // item is empty). Answers the menu's title and item texts, separators as empty texts;
    // nothing when no menu opened.
    QStringList useFileMenu(int row, const QString& item) {
        QStringList seen;
        QTimer::singleShot(0, list, [&seen, item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            seen << menu->title();
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                seen << action->text();
                if (!item.isEmpty() && action->text() == item) {
                    chosen = action;
                }
            }
            if (chosen == nullptr) {
                menu->close();
                return;
            }
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        const QPoint at = row < 0 ? QPoint(5, 5) : centreOf(row);
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &event);
        // Without a menu the check above has not run yet; let it run while `seen` exists.
        QCoreApplication::processEvents();
        return seen;
    }

    void rename(int row, const QString& text) {
        list->setCurrentIndex(list->model()->index(row, 0));
        QTest::keyClick(list, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(list->indexWidget(list->model()->index(row, 0)));
        QVERIFY(editor != nullptr);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits the edit on its next turn of the event loop.
        QCoreApplication::processEvents();
    }

    test::DocumentRig rig;
    ResolvingDrives drives;
    UserAtTheDrive user{rig.prompt};
    RecordedCopies copies;
    CQX2View view{rig.document, ViewServices{user, rig.settings, rig.shell, drives, &copies}};
    QTreeView* list = test::child<QTreeView>(view, "fileList");
    QAbstractItemModelTester tester{list->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};
};

std::vector<File> tracks() {
    return {{"Track01.cda", "d:\\", "44"},
            {"Track02.cda", "d:\\", "44"},
            {"Track03.cda", "d:\\", "44"},
            {"notes.txt", "d:\\", "120"}};
}

}  // namespace

class FileListViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsOnlyTheFilesDirectlyInTheSelectedFolder() {
        FileListFixture f({{"a.txt", "d:\\", "1048576"},
                           {"b.txt", "d:\\docs\\", "0"},
                           {"c.txt", "d:\\docs\\old\\", "5"}});
        f.select("12 BACKUP");
        QCOMPARE(f.rows(), QStringList{QStringLiteral("a|1.000 MB|TXT")});
        QCOMPARE(f.view.entryOfRow(0), &f.entry(0));
        QVERIFY(f.view.entryOfRow(1) == nullptr);

        f.select("12 BACKUP\\Docs");
        QCOMPARE(f.rows(), QStringList{QStringLiteral("b|0.000 MB|TXT")});
        QCOMPARE(f.view.entryOfRow(0), &f.entry(1));

        const QAbstractItemModel* model = f.list->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Size"));
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Type"));
        const auto alignment = [model](int column) {
            return Qt::Alignment(model->index(0, column).data(Qt::TextAlignmentRole).toInt()) &
                   Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(alignment(0), Qt::Alignment(Qt::AlignLeft));
        QCOMPARE(alignment(1), Qt::Alignment(Qt::AlignRight));
        QCOMPARE(alignment(2), Qt::Alignment(Qt::AlignRight));
        QVERIFY(!model->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());

        f.view.clear();
        QCOMPARE(f.rows(), QStringList());
    }

    void tellsApartFilesOfTheSameNameInDifferentFolders() {
        FileListFixture f({{"x.txt", "d:\\docs\\", "1048576"}, {"x.txt", "d:\\music\\", "0"}});
        f.select("12 BACKUP\\docs");
        QCOMPARE(f.rows(), QStringList{QStringLiteral("x|1.000 MB|TXT")});
        QCOMPARE(f.view.entryOfRow(0), &f.entry(0));
        f.select("12 BACKUP\\music");
        QCOMPARE(f.rows(), QStringList{QStringLiteral("x|0.000 MB|TXT")});
        QCOMPARE(f.view.entryOfRow(0), &f.entry(1));
    }

    void showsSizesInMegabytes_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one megabyte") << "1048576"
                                      << "1.000 MB";
        QTest::newRow("empty file") << "0"
                                    << "0.000 MB";
        QTest::newRow("3,000,000,000 bytes kept as a signed number") << "-1294967296"
                                                                     << "2861.023 MB";
    }

    void showsSizesInMegabytes() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        FileListFixture f({{"file.bin", "d:\\", stored.toStdString()}});
        f.select("12 BACKUP");
        QCOMPARE(f.rows(), QStringList{QStringLiteral("file|%1|BIN").arg(shown)});
    }

    // Sizes and types are read whole, and so are the headers with the sort arrow, also when a
    // vertical scroll bar takes room from the list: only the names give way.
    void sizeAndTypeColumnsFitWhatTheyShow() {
        std::vector<File> files;
        for (int i = 0; i < 40; ++i) {
            files.push_back({"file " + std::to_string(i) + (i % 2 == 0 ? ".mpeg" : ".txt"), "d:\\",
                             std::to_string(i * 1000)});
        }
        files.push_back({"largest.jpeg", "d:\\", "-1"});
        FileListFixture f(files);
        f.view.resize(320, 200);
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        f.select("12 BACKUP");
        f.clickHeader(FileListColumn::Type);
        // The list lays its rows out, and then shows its scroll bar, on later turns of the
        // event loop.
        QTRY_VERIFY(f.list->verticalScrollBar()->isVisible());
        QVERIFY(!f.list->horizontalScrollBar()->isVisible());

        QHeaderView* header = f.list->header();
        const int type = static_cast<int>(FileListColumn::Type);
        QCOMPARE(header->sectionViewportPosition(type) + header->sectionSize(type),
                 f.list->viewport()->width());
        const QFontMetrics metrics = f.list->fontMetrics();
        for (const int column : {1, 2}) {
            for (int row = 0; row < f.list->model()->rowCount(); ++row) {
                const QString text = f.list->model()->index(row, column).data().toString();
                QVERIFY2(textRoom(*f.list, column) >= metrics.horizontalAdvance(text),
                         qPrintable(text));
            }
            const QString title = f.list->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(labelRoom(*header, column) >= header->fontMetrics().horizontalAdvance(title),
                     qPrintable(title));
        }
        QVERIFY(textRoom(*f.list, 1) >= metrics.horizontalAdvance(QStringLiteral("4095.999 MB")));
        QVERIFY(header->sectionSize(1) >=
                fileListLeastWidths(f.view.screen()->geometry().width()).size);

        // A folder without files still shows the whole Type header.
        f.select("12 BACKUP\\docs");
        QVERIFY(labelRoom(*header, type) >=
                header->fontMetrics().horizontalAdvance(QStringLiteral("Type")));
    }

    void sizeHeaderSortsDescendingThenAscending() {
        FileListFixture f({{"one.bin", "d:\\", "1048576"},
                           {"none.bin", "d:\\", "0"},
                           {"three.bin", "d:\\", "3145728"},
                           {"huge.iso", "d:\\", "-1294967296"},
                           {"nine.bin", "d:\\", "9437184"}});
        f.select("12 BACKUP");
        f.list->setCurrentIndex(f.list->model()->index(0, 0));

        f.clickHeader(FileListColumn::Size);
        QCOMPARE(
            f.rows(),
            (QStringList{QStringLiteral("huge|2861.023 MB|ISO"),
                         QStringLiteral("nine|9.000 MB|BIN"), QStringLiteral("three|3.000 MB|BIN"),
                         QStringLiteral("one|1.000 MB|BIN"), QStringLiteral("none|0.000 MB|BIN")}));
        QCOMPARE(f.list->header()->sortIndicatorSection(), 1);
        QCOMPARE(f.list->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        // The selection moves with its row.
        QCOMPARE(f.nameAt(f.list->currentIndex().row()), QStringLiteral("one"));
        QCOMPARE(f.view.selectedEntries(), std::vector<CQXFileData*>{&f.entry(0)});

        f.clickHeader(FileListColumn::Size);
        QStringList names;
        for (int row = 0; row < 5; ++row) {
            names << f.nameAt(row);
        }
        QCOMPARE(names, (QStringList{QStringLiteral("none"), QStringLiteral("one"),
                                     QStringLiteral("three"), QStringLiteral("nine"),
                                     QStringLiteral("huge")}));
        QCOMPARE(f.list->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    }

    void nameHeaderSortsWithoutRegardToCase() {
        FileListFixture f({{"beta.txt", "d:\\"}, {"Alpha.txt", "d:\\"}, {"gamma.txt", "d:\\"}});
        f.select("12 BACKUP");
        f.clickHeader(FileListColumn::Name);
        QCOMPARE(f.nameAt(0), QStringLiteral("gamma"));
        QCOMPARE(f.nameAt(2), QStringLiteral("Alpha"));
        f.clickHeader(FileListColumn::Name);
        QCOMPARE(f.nameAt(0), QStringLiteral("Alpha"));
        QCOMPARE(f.nameAt(1), QStringLiteral("beta"));
    }

    void aCatalogueShownStartsWithEveryColumnUnsorted() {
        FileListFixture f({{"small.bin", "d:\\", "1"}, {"large.bin", "d:\\", "2097152"}});
        f.select("12 BACKUP");
        f.clickHeader(FileListColumn::Size);
        QCOMPARE(f.nameAt(0), QStringLiteral("large"));

        f.view.showCatalogue();
        QCOMPARE(f.rows(), QStringList());
        QCOMPARE(f.list->header()->sortIndicatorSection(), -1);
        f.select("12 BACKUP");
        f.clickHeader(FileListColumn::Size);
        QCOMPARE(f.nameAt(0), QStringLiteral("large"));
        QCOMPARE(f.list->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    void renamesAudioTracksKeepingTheirNumber() {
        FileListFixture f(tracks());
        f.select("12 BACKUP");

        f.rename(2, QStringLiteral("Intro"));
        QCOMPARE(f.nameAt(2), QStringLiteral("03 Intro"));
        QCOMPARE(toQt(f.entry(2).name()), QStringLiteral("03 Intro.cda"));
        QVERIFY(f.rig.document.isModified());

        f.rename(2, QStringLiteral("03 Overture"));
        QCOMPARE(f.nameAt(2), QStringLiteral("03 Overture"));
        QCOMPARE(toQt(f.entry(2).name()), QStringLiteral("03 Overture.cda"));
        QCOMPARE(f.rows().at(2), QStringLiteral("03 Overture|0.000 MB|CDA"));

        f.rig.document.setModified(false);
        f.rename(1, QString());
        QCOMPARE(toQt(f.entry(1).name()), QStringLiteral("Track02.cda"));
        QVERIFY(!f.rig.document.isModified());
    }

    void onlyAudioTracksCanBeRenamed() {
        FileListFixture f(tracks());
        f.select("12 BACKUP");
        f.list->setCurrentIndex(f.list->model()->index(3, 0));
        QTest::keyClick(f.list, Qt::Key_F2);
        QVERIFY(f.list->indexWidget(f.list->model()->index(3, 0)) == nullptr);
        QVERIFY(!(f.list->model()->flags(f.list->model()->index(3, 0)) & Qt::ItemIsEditable));
        QVERIFY(!(f.list->model()->flags(f.list->model()->index(0, 1)) & Qt::ItemIsEditable));
    }

    void rowsLeftFromAReplacedCatalogueReachNoEntry() {
        FileListFixture f(tracks());
        f.select("12 BACKUP");
        f.list->selectAll();
        f.list->setCurrentIndex(f.list->model()->index(0, 0));
        // The catalogue goes away before the list is told.
        f.rig.document.reset();

        QVERIFY(f.view.entryOfRow(0) == nullptr);
        QVERIFY(f.view.selectedEntries().empty());
        QTest::keyClick(f.list, Qt::Key_F2);
        QVERIFY(f.list->indexWidget(f.list->model()->index(0, 0)) == nullptr);
        f.view.openSelectedFile();
        QVERIFY(f.rig.prompt.messages.empty());
    }

    void openFileUsesTheDriveThatHoldsTheFile() {
        FileListFixture f({{"song.mp3", "d:\\music\\", "4000"}});
        auto other = f.drives.addDrive(std::make_shared<FakeDiscVolume>(
            std::initializer_list<test::FakeEntry>{{"Other/song.mp3", 4000}}));
        other->setIdentity("OTHER", 1);
        f.drives
            .addDrive(std::make_shared<FakeDiscVolume>(
                std::initializer_list<test::FakeEntry>{{"Music/Song.MP3", 4000}}))
            ->setIdentity("BACKUP", kDriveSerial);
        f.select("12 BACKUP\\music");

        QTest::mouseClick(f.list->viewport(), Qt::LeftButton, {}, f.centreOf(0));
        QTest::mouseDClick(f.list->viewport(), Qt::LeftButton, {}, f.centreOf(0));
        QCOMPARE(texts(f.rig.shell.opened), texts({"/media/E/Music/Song.MP3"}));
        QVERIFY(f.rig.prompt.messages.empty());
    }

    void openFileOpensARenamedTrackByItsTrackFile() {
        FileListFixture f({{"03 Intro.cda", "d:\\", "44"}});
        f.drives.addDrive(FakeDiscVolume::audioCd(4, "", kDriveSerial));
        f.select("12 BACKUP");
        const QStringList menu = f.useFileMenu(0, QStringLiteral("Open File"));
        QVERIFY(!menu.isEmpty());
        QCOMPARE(texts(f.rig.shell.opened), texts({"/media/D/Track03.cda"}));
    }

    void openFileAsksForTheDiscUntilItIsInserted() {
        FileListFixture f({{"song.mp3", "d:\\music\\", "4000"}});
        auto drive = f.drives.addDrive(std::make_shared<FakeDiscVolume>(
            std::initializer_list<test::FakeEntry>{{"music/song.mp3", 4000}}));
        drive->setIdentity("OTHER", 1);
        f.select("12 BACKUP\\music");
        f.list->setCurrentIndex(f.list->model()->index(0, 0));
        const std::string question = "Please, insert CD 12 and then press OK.";

        f.view.openSelectedFile();
        QCOMPARE(texts(f.rig.prompt.messages), texts({question}));
        QVERIFY(f.rig.shell.opened.empty());

        f.rig.prompt.messages.clear();
        f.rig.prompt.answers = {Answer::Ok, Answer::Ok};
        int asked = 0;
        f.user.beforeAnswer = [&] {
            // The user changes discs only on the second request.
            if (++asked == 2) {
                drive->setIdentity("BACKUP", kDriveSerial);
            }
        };
        f.view.openSelectedFile();
        QCOMPARE(texts(f.rig.prompt.messages), texts({question, question}));
        QCOMPARE(texts(f.rig.shell.opened), texts({"/media/D/music/song.mp3"}));
    }

    void openFileAsksWhenNoDriveHoldsTheFile() {
        FileListFixture f({{"song.mp3", "d:\\music\\", "4000"}});
        f.drives.addDrive(FakeDiscVolume::noMedium());
        f.select("12 BACKUP\\music");
        f.list->setCurrentIndex(f.list->model()->index(0, 0));
        f.view.openSelectedFile();
        QCOMPARE(texts(f.rig.prompt.messages), texts({"Please, insert CD 12 and then press OK."}));
        QVERIFY(f.rig.shell.opened.empty());
    }

    void openFileOnABlankDiscAcceptsAnyDisc() {
        FileListFixture f({{"song.mp3", "d:\\music\\", "4000"}}, "0");
        f.drives
            .addDrive(std::make_shared<FakeDiscVolume>(
                std::initializer_list<test::FakeEntry>{{"music/song.mp3", 4000}}))
            ->setIdentity("ANY", 77);
        f.select("12 BACKUP\\music");
        f.list->setCurrentIndex(f.list->model()->index(0, 0));
        f.view.openSelectedFile();
        QCOMPARE(texts(f.rig.shell.opened), texts({"/media/D/music/song.mp3"}));
        QVERIFY(f.rig.prompt.messages.empty());
    }

    void openFileReportsWhatTheDesktopCannotOpen() {
        FileListFixture f({{"song.mp3", "d:\\music\\", "4000"}});
        // A drive that cannot tell its serial number is taken to hold the disc.
        f.drives.addDrive(std::make_shared<FakeDiscVolume>(
            std::initializer_list<test::FakeEntry>{{"music/song.mp3", 4000}}));
        f.rig.shell.works = false;
        f.select("12 BACKUP\\music");
        f.list->setCurrentIndex(f.list->model()->index(0, 0));
        f.view.openSelectedFile();
        QCOMPARE(f.rig.shell.opened.size(), std::size_t{1});
        QCOMPARE(texts(f.rig.prompt.messages), texts({"Could not open file"}));
        QCOMPARE(f.user.icons, std::vector<MessageIcon>{MessageIcon::Stop});
    }

    void fileMenuOpensOnlyOnARowWithAnEntry() {
        FileListFixture f({{"a.txt", "d:\\", "1"}});
        f.select("12 BACKUP");
        QCOMPARE(f.useFileMenu(0, QString()),
                 (QStringList{QStringLiteral("File Menu"), QStringLiteral("Open File"),
                              QStringLiteral("Copy File to Hard Disc"), QString(),
                              QStringLiteral("Add To Playlist"), QString(),
                              QStringLiteral("View Attached Categories"), QStringLiteral("CD Info"),
                              QString(), QStringLiteral("QX Help Playlist")}));

        f.select("12 BACKUP\\docs");
        QCOMPARE(f.useFileMenu(-1, QString()), QStringList());
    }

    void addToPlaylistOpensAWindowOverTheSelectedEntriesWithTheirDiscNumber() {
        FileListFixture f({{"a.mp3", "d:\\", "1"}, {"b.mp3", "d:\\", "1"}, {"c.mp3", "d:\\", "1"}});
        f.select("12 BACKUP");
        for (const int row : {0, 2}) {
            f.list->selectionModel()->select(
                f.list->model()->index(row, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        f.useFileMenu(2, QStringLiteral("Add To Playlist"));
        QCOMPARE(f.rig.playlists.asked.size(), std::size_t{1});
        QCOMPARE(f.rig.playlists.asked[0], (std::vector<CQXFileData*>{&f.entry(0), &f.entry(2)}));
        QCOMPARE(std::string(f.entry(0).discNumber()), std::string("12"));
        QCOMPARE(std::string(f.entry(2).discNumber()), std::string("12"));
        QCOMPARE(std::string(f.entry(1).discNumber()), std::string());
    }

    void copyToHardDiscStartsATaskOverTheSelectedEntries() {
        FileListFixture f({{"a.mp3", "d:\\music\\", "10"}, {"b.mp3", "d:\\music\\", "20"}});
        f.select("12 BACKUP\\music");
        for (const int row : {0, 1}) {
            f.list->selectionModel()->select(
                f.list->model()->index(row, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        f.useFileMenu(1, QStringLiteral("Copy File to Hard Disc"));
        QCOMPARE(f.copies.started.size(), std::size_t{1});
        const CopyTask& task = f.copies.started[0];
        QVERIFY(task.origin == CopyOrigin::FileList);
        QCOMPARE(task.files.size(), std::size_t{2});
        QCOMPARE(task.files[1].folder + task.files[1].name, std::string("d:\\music\\b.mp3"));
        QCOMPARE(task.files[1].size, std::string("20"));
        QCOMPARE(task.files[1].discNumber, std::string("12"));
    }

    void viewAttachedCategoriesOpensTheEntrysCategories() {
        FileListFixture f({{"a.txt", "d:\\", "1"}, {"b.txt", "d:\\", "1"}});
        f.entry(1).setCategories({"Work", "Music"});
        f.select("12 BACKUP");
        QString title;
        QTimer::singleShot(0, f.list, [&title] {
            // Runs once the menu has closed and the dialog is up.
            QTimer::singleShot(0, [&title] {
                QWidget* dialog = QApplication::activeModalWidget();
                if (dialog != nullptr) {
                    title = dialog->windowTitle();
                    static_cast<QDialog*>(dialog)->reject();
                }
            });
        });
        f.useFileMenu(1, QStringLiteral("View Attached Categories"));
        QCOMPARE(title, QStringLiteral("List of Attached Categories"));
        QVERIFY(!f.rig.document.isModified());

        // A category deleted in the dialog is a change of the catalogue.
        QTimer::singleShot(0, f.list, [] {
            QTimer::singleShot(0, [] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    auto* list = dialog->findChild<QAbstractItemView*>(
                        QStringLiteral("attachedCategoriesList"));
                    list->selectionModel()->select(list->model()->index(0, 0),
                                                   QItemSelectionModel::Select);
                    QTimer::singleShot(0, [] {
                        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                            menu->setActiveAction(menu->actions().front());
                            QTest::keyClick(menu, Qt::Key_Return);
                        }
                    });
                    Q_EMIT list->customContextMenuRequested(QPoint(5, 5));
                    dialog->reject();
                }
            });
        });
        f.useFileMenu(1, QStringLiteral("View Attached Categories"));
        QCOMPARE(f.entry(1).categories().size(), std::size_t{1});
        QVERIFY(f.rig.document.isModified());
    }

    void tabReleaseSelectsEveryRow() {
        FileListFixture f({{"a.txt", "d:\\"}, {"b.txt", "d:\\"}, {"c.txt", "d:\\"}});
        f.select("12 BACKUP");
        f.list->setFocus();
        QTest::keyClick(f.list, Qt::Key_Tab);
        QCOMPARE(f.view.selectedEntries(),
                 (std::vector<CQXFileData*>{&f.entry(0), &f.entry(1), &f.entry(2)}));
    }

    void clickOnARowMakesOpeningTheFileTheEnterAction() {
        FileListFixture f({{"a.txt", "d:\\", "1"}});
        f.select("12 BACKUP");
        QTest::mouseClick(f.list->viewport(), Qt::LeftButton, {}, f.centreOf(0));
        QCOMPARE(f.rig.document.enterTarget(), EnterTarget::OpenFile);
    }

    void highlightEntrySelectsItsRowAndBringsItIntoView() {
        std::vector<File> files;
        for (int i = 0; i < 300; ++i) {
            files.push_back(
                {"file" + std::to_string(i) + ".txt", "d:\\", std::to_string(i * 1000)});
        }
        FileListFixture f(files);
        f.select("12 BACKUP");
        f.view.highlightEntry(CQXFileData("FILE250.TXT", "d:\\", "250000", "d:"));
        const QModelIndex index = f.list->currentIndex();
        QCOMPARE(index.row(), 250);
        QCOMPARE(f.view.selectedEntries(), std::vector<CQXFileData*>{&f.entry(250)});
        QVERIFY(f.list->viewport()->rect().intersects(f.list->visualRect(index)));
    }

    void iconSizeFollowsTheSettingAndTheViewMenu() {
        FileListFixture f({{"a.txt", "d:\\", "1"}});
        QCOMPARE(f.list->iconSize(), QSize(16, 16));

        writeFlag(f.rig.settings, setting::kLargeFileIcons, true);
        f.view.showCatalogue();
        QCOMPARE(f.list->iconSize(), QSize(32, 32));
        QVERIFY(f.rig.document.fileViewLargeIcons());

        f.rig.document.onCommand(PaneCommand::FileViewSmallIcons);
        QCOMPARE(f.list->iconSize(), QSize(16, 16));
        QVERIFY(!readFlag(f.rig.settings, setting::kLargeFileIcons));
        QCOMPARE(f.rig.settings.readNumber(setting::kSettingsKey, setting::kLargeFileIcons), 0u);

        f.rig.document.onCommand(PaneCommand::FileViewLargeIcons);
        QCOMPARE(f.list->iconSize(), QSize(32, 32));
        QCOMPARE(f.rig.settings.readNumber(setting::kSettingsKey, setting::kLargeFileIcons), 1u);
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::FileListViewTest)
#include "file_list_view_test.moc"
