#include "playlists/ui/dialog_playlist.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>

#include "app/setting_names.h"
#include "core/code_page.h"
#include "core/file_data.h"
#include "playlists/mounted_drives.h"
#include "playlists/playlist_files.h"
#include "playlists/ui/playlist_windows.h"
#include "support/document_fakes.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

QStringList texts(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* text : list) {
        result << QString::fromUtf8(text);
    }
    return result;
}

}  // namespace

class DialogPlaylistTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void showsTheFilesItWasOpenedWith();
    void sortsByAColumnAlternatingTheOrder();
    void createWritesThePlayerFilesAndNamesTheWindowAfterThem();
    void loadsFiltersAndLaunchesAHelpPlaylist();
    void theFilterFieldFollowsTheSetting();
    void closingTellsTheDocumentAfterTheEvent();
    void aModalWindowEndsWithHide();
    void grabsTheWindow();

private:
    std::unique_ptr<CDialogPlaylist> window(const std::vector<CQXFileData*>& entries,
                                            std::function<void()> closed = nullptr);
    static QStringList column(const CDialogPlaylist& dialog, int column);

    std::unique_ptr<test::TempDir> m_dir;
    test::ScriptedPrompt m_prompt;
    test::MemorySettings m_settings;
    test::FakeShell m_shell;
    test::MountedDrives m_drives;
    Windows1252 m_codePage;
    CQXFileData m_song{"Song.mp3", "d:\\music\\", "3145728", "d:", "12"};
    CQXFileData m_notes{"notes.txt", "d:\\", "1048576", "d:", "3"};
    CQXFileData m_intro{"Intro", "d:\\", "0", "d:", "7"};
};

void DialogPlaylistTest::init() {
    m_dir = std::make_unique<test::TempDir>();
    m_prompt = {};
    m_settings = {};
    m_shell = {};
    m_settings.writeNumber(setting::kSettingsKey, setting::kEnableDynamic, 1);
    std::filesystem::create_directories(m_dir->file("d"));
    m_drives.mountPoints = {{'D', m_dir->file("d")}};
}

std::unique_ptr<CDialogPlaylist> DialogPlaylistTest::window(
    const std::vector<CQXFileData*>& entries, std::function<void()> closed) {
    return std::make_unique<CDialogPlaylist>(
        entries, PlaylistServices{m_prompt, m_settings, m_codePage, m_shell, m_drives},
        std::move(closed));
}

QStringList DialogPlaylistTest::column(const CDialogPlaylist& dialog, int column) {
    const auto* rows = test::child<QTreeWidget>(dialog, "rows");
    QStringList texts;
    for (int row = 0; row < rows->topLevelItemCount(); ++row) {
        texts << rows->topLevelItem(row)->text(column);
    }
    return texts;
}

void DialogPlaylistTest::showsTheFilesItWasOpenedWith() {
    const auto dialog = window({&m_song, &m_notes, &m_intro});
    const auto* rows = test::child<QTreeWidget>(*dialog, "rows");
    QCOMPARE(rows->columnCount(), 4);
    QCOMPARE(rows->headerItem()->text(2), QStringLiteral("Size"));
    QCOMPARE(column(*dialog, 0), (texts({"Song", "notes", "Intro"})));
    QCOMPARE(column(*dialog, 1), (texts({"12", "3", "7"})));
    QCOMPARE(column(*dialog, 2), (texts({"3.000 MB", "1.000 MB", "0.000 MB"})));
    QCOMPARE(column(*dialog, 3), (texts({"MP3", "TXT", ""})));
    QCOMPARE(test::child<QLabel>(*dialog, "found")->text(), QStringLiteral("3"));
    QVERIFY(!test::child<QPushButton>(*dialog, "launch")->isEnabled());
    QVERIFY(test::child<QCheckBox>(*dialog, "typeWinamp")->isChecked());
    QVERIFY(!test::child<QCheckBox>(*dialog, "typeBsplayer")->isChecked());
    QVERIFY(test::child<QRadioButton>(*dialog, "create")->isChecked());
}

void DialogPlaylistTest::sortsByAColumnAlternatingTheOrder() {
    const auto dialog = window({&m_song, &m_notes, &m_intro});
    QHeaderView* header = test::child<QTreeWidget>(*dialog, "rows")->header();
    Q_EMIT header->sectionClicked(2);
    QCOMPARE(column(*dialog, 0), (texts({"Intro", "notes", "Song"})));
    Q_EMIT header->sectionClicked(2);
    QCOMPARE(column(*dialog, 0), (texts({"Song", "notes", "Intro"})));
    Q_EMIT header->sectionClicked(1);
    QCOMPARE(column(*dialog, 1), (texts({"3", "7", "12"})));
}

void DialogPlaylistTest::createWritesThePlayerFilesAndNamesTheWindowAfterThem() {
    const auto dialog = window({&m_song, &m_notes});
    // Sorted by name, Z first: the help playlist takes the rows' order.
    Q_EMIT test::child<QTreeWidget>(*dialog, "rows")->header()->sectionClicked(0);
    Q_EMIT test::child<QTreeWidget>(*dialog, "rows")->header()->sectionClicked(0);
    test::child<QCheckBox>(*dialog, "typeBsplayer")->setChecked(true);
    m_prompt.files.push_back(m_dir->file("mix.m3u"));
    QTest::mouseClick(test::child<QPushButton>(*dialog, "saveBrowse"), Qt::LeftButton);

    const std::string base = m_dir->file("mix");
    QCOMPARE(dialog->windowTitle(), QString::fromStdString("Playlist deamon " + base));
    QCOMPARE(test::child<QLineEdit>(*dialog, "playlistPath")->text(), QString::fromStdString(base));
    const std::string lines =
        m_dir->file("d") + "/notes.txt\r\n" + m_dir->file("d") + "/music/Song.mp3\r\n";
    QCOMPARE(test::readFile(base + ".m3u"), lines);
    QCOMPARE(test::readFile(base + ".bsl"), lines);
    std::vector<CQXHPlaylist> records;
    QVERIFY(readHelpPlaylistFile(base + ".qxhl", m_codePage, records).ok());
    QCOMPARE(records.size(), std::size_t{2});
    QCOMPARE(records[0].fileName, std::string("Song.mp3"));
    QCOMPARE(records[1].fileName, std::string("notes.txt"));
    QCOMPARE(test::child<QLabel>(*dialog, "found")->text(), QStringLiteral("2"));
}

void DialogPlaylistTest::loadsFiltersAndLaunchesAHelpPlaylist() {
    QVERIFY(writeHelpPlaylistFile(m_dir->file("mix.qxhl"),
                                  {{"1", "Song.MP3"}, {"2", "Other.mp3"}, {"1", "Song.MP3"}},
                                  m_codePage)
                .ok());
    const auto dialog = window({});
    QVERIFY(!test::child<QPushButton>(*dialog, "saveBrowse")->isEnabled());
    QCOMPARE(test::child<QTreeWidget>(*dialog, "rows")->columnCount(), 2);
    m_prompt.files.push_back(m_dir->file("mix.qxhl"));
    QTest::mouseClick(test::child<QPushButton>(*dialog, "loadBrowse"), Qt::LeftButton);
    QCOMPARE(column(*dialog, 0), (texts({"Song.MP3", "Other.mp3", "Song.MP3"})));
    QCOMPARE(column(*dialog, 1), (texts({"1", "2", "1"})));
    QVERIFY(test::child<QPushButton>(*dialog, "launch")->isEnabled());
    QVERIFY(!test::child<QPushButton>(*dialog, "loadBrowse")->isEnabled());

    QTest::keyClicks(test::child<QLineEdit>(*dialog, "filter"), QStringLiteral("SONG"));
    QTRY_COMPARE(column(*dialog, 0), (texts({"song.mp3", "song.mp3"})));
    QCOMPARE(test::child<QLabel>(*dialog, "found")->text(), QStringLiteral("2"));

    test::child<QCheckBox>(*dialog, "playerBsplayer")->click();
    QVERIFY(!test::child<QCheckBox>(*dialog, "playerWinamp")->isChecked());
    QTest::mouseClick(test::child<QPushButton>(*dialog, "launch"), Qt::LeftButton);
    QCOMPARE(m_shell.opened, std::vector<std::string>{m_dir->file("mix.bsl")});
}

void DialogPlaylistTest::theFilterFieldFollowsTheSetting() {
    m_settings.writeNumber(setting::kSettingsKey, setting::kEnableDynamic, 0);
    const auto dialog = window({});
    dialog->show();
    QVERIFY(!test::child<QLineEdit>(*dialog, "filter")->isVisible());
}

void DialogPlaylistTest::closingTellsTheDocumentAfterTheEvent() {
    int told = 0;
    const auto dialog = window({&m_song}, [&told] { ++told; });
    dialog->show();
    QTest::mouseClick(test::child<QPushButton>(*dialog, "ok"), Qt::LeftButton);
    QVERIFY(dialog->isClosed());
    QCOMPARE(told, 0);
    QTRY_COMPARE(told, 1);
}

void DialogPlaylistTest::aModalWindowEndsWithHide() {
    int told = 0;
    PlaylistWindows windows({m_prompt, m_settings, m_codePage, m_shell, m_drives},
                            [&told] { ++told; });
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        auto* dialog = qobject_cast<CDialogPlaylist*>(QApplication::activeModalWidget());
        if (dialog != nullptr) {
            shown = DialogPlaylistTest::column(*dialog, 0);
            test::child<QPushButton>(*dialog, "hide")->click();
        }
    });
    windows.runModal({&m_song, &m_notes});
    QCOMPARE(shown, texts({"Song", "notes"}));
    QCoreApplication::processEvents();
    QCOMPARE(told, 0);
}

void DialogPlaylistTest::grabsTheWindow() {
    const auto dialog = window({&m_song, &m_notes, &m_intro});
    dialog->show();
    const QString path = qEnvironmentVariable("VORLIX_GRAB_DIR");
    if (!path.isEmpty()) {
        QVERIFY(dialog->grab().save(path + QStringLiteral("/playlist.png")));
    }
}

}  // namespace vorlix

QTEST_MAIN(vorlix::DialogPlaylistTest)
#include "dialog_playlist_test.moc"
