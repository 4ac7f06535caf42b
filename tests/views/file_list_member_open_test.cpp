#include <QTreeView>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/catalogue_document.h"
#include "core/catalog.h"
#include "platform/archive/member_extraction.h"
#include "platform/disc/disc_test_support.h"
#include "platform/private_temporary_folder.h"
#include "support/archive_tree.h"
#include "support/document_rig.h"
#include "support/widget_lookup.h"
#include "views/logic/extracting_member_opener.h"
#include "views/qx2_view.h"
#include "views/view_services.h"

namespace vorlix {

namespace {

namespace fs = std::filesystem;

// Disc 12 of a catalogue that lists the members of the archives on a folder registered as
// drive D:, opened from the file list with the program's member opener.
struct MemberListFixture {
    MemberListFixture() {
        fs::create_directories(dir.file("run"));
        CQXCatalog catalogue;
        catalogue.addDefaultNamedObjects();
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber("12");
        disc->setName("BACKUP");
        disc->setSerial("0");
        disc->setOwnerName(test::DocumentRig::anna().logName);
        disc->setOwnerDigest(test::DocumentRig::anna().passwordDigest);
        disc->setOutline(
            "12 BACKUP\r\n\tbackup\r\n\t\told.zip\r\n\t\t\tdocs\r\n\t\t\tinner.tar\r\n\t\tset."
            "tar.gz\r\n\t\t\tdocs\r\n\t\tgone.zip\r\n\t\t\tdocs\r\n");
        for (const char* folder : {"d:\\backup\\old.zip\\docs\\", "d:\\backup\\set.tar.gz\\docs\\",
                                   "d:\\backup\\gone.zip\\docs\\"}) {
            disc->files.emplace_back("A.txt", folder, "300000", "d:");
        }
        disc->files.emplace_back("missing.txt", "d:\\backup\\old.zip\\docs\\", "1", "d:");
        disc->files.emplace_back("x.txt", "d:\\backup\\old.zip\\inner.tar\\", "4000", "d:");
        catalogue.appendDisc(std::move(disc));
        rig.load(std::move(catalogue));
        view.resize(400, 300);
        view.show();
    }

    // Double-clicks the row named name in the folder.
    void open(const std::string& itemPath, const QString& name) {
        rig.document.setCurrentDisc(*rig.document.catalogue().discs.front());
        view.showFolder(itemPath);
        const QAbstractItemModel* model = list->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data().toString() == name) {
                const QPoint at = list->visualRect(model->index(row, 0)).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
                return;
            }
        }
        QFAIL("no such row");
    }

    std::size_t extractedFiles() const {
        std::size_t count = 0;
        for (const auto& entry : fs::recursive_directory_iterator(dir.file("run"))) {
            count += entry.is_regular_file() ? 1 : 0;
        }
        return count;
    }

    test::TempDir dir;
    test::ArchiveTree tree{dir};
    test::DrivesWithoutHardware drives;
    const DiscSource source = drives.drives().addFolder(tree.root());
    PrivateTemporaryFolder temporary{dir.file("run")};
    ArchiveMemberExtractor extractor{drives.drives(), temporary};
    test::DocumentRig rig;
    ExtractingMemberOpener members{extractor, rig.longWork, rig.shell, rig.prompt};
    CQX2View view{rig.document, ViewServices{rig.prompt, rig.settings, rig.shell, drives.drives(),
                                             nullptr, &members}};
    QTreeView* list = test::child<QTreeView>(view, "fileList");
};

}  // namespace

class FileListMemberOpenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void openFileHandsTheDesktopAnExtractedCopyOfTheMember() {
        const struct {
            std::string folder;
            QString name;
            std::string caption;
        } cases[] = {
            {"12 BACKUP\\backup\\old.zip\\docs", QStringLiteral("A"),
             "Extracting A.txt from its archive..."},
            {"12 BACKUP\\backup\\set.tar.gz\\docs", QStringLiteral("A"),
             "Extracting A.txt from its archive..."},
            {"12 BACKUP\\backup\\old.zip\\inner.tar", QStringLiteral("x"),
             "Extracting x.txt from its archive..."},
        };
        MemberListFixture f;
        QCOMPARE(f.source.root, std::string("D:\\"));
        for (const auto& c : cases) {
            f.rig.shell.opened.clear();
            f.rig.longWork.captions.clear();
            f.open(c.folder, c.name);
            QCOMPARE(f.rig.longWork.captions, std::vector<std::string>{c.caption});
            QCOMPARE(f.rig.longWork.lastDone, kExtractionSteps);
            QCOMPARE(f.rig.shell.opened.size(), std::size_t{1});
            const std::string opened = f.rig.shell.opened[0];
            QCOMPARE(fs::path(opened).filename().string(), c.name.toStdString() + ".txt");
            QVERIFY(opened.starts_with(f.dir.file("run/vorlix-open-")));
            QVERIFY(test::readFile(opened) ==
                    (c.name == QStringLiteral("A") ? f.tree.a : f.tree.x));
        }
        QVERIFY(f.rig.prompt.messages.empty());
    }

    void aStoppedExtractionOpensNothingAndLeavesNothing() {
        MemberListFixture f;
        f.rig.longWork.cancel = true;
        f.open("12 BACKUP\\backup\\old.zip\\docs", QStringLiteral("A"));
        QCOMPARE(f.rig.longWork.captions.size(), std::size_t{1});
        QVERIFY(f.rig.shell.opened.empty());
        QVERIFY(f.rig.prompt.messages.empty());
        QCOMPARE(f.extractedFiles(), std::size_t{0});
    }

    void aMemberMissingFromItsArchiveIsToldAndAMissingArchiveAsksForTheDisc() {
        MemberListFixture f;
        f.open("12 BACKUP\\backup\\old.zip\\docs", QStringLiteral("missing"));
        QCOMPARE(f.rig.prompt.messages,
                 std::vector<std::string>{"docs\\missing.txt is not in the archive "
                                          "D:\\backup\\old.zip"});
        QVERIFY(f.rig.shell.opened.empty());

        f.rig.prompt.messages.clear();
        f.rig.longWork.captions.clear();
        f.open("12 BACKUP\\backup\\gone.zip\\docs", QStringLiteral("A"));
        QCOMPARE(f.rig.prompt.messages,
                 std::vector<std::string>{"Please, insert CD 12 and then press OK."});
        QVERIFY(f.rig.longWork.captions.empty());
        QVERIFY(f.rig.shell.opened.empty());
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::FileListMemberOpenTest)
#include "file_list_member_open_test.moc"
