#include <QIcon>
#include <QImage>
#include <QStandardPaths>
#include <QTreeView>
#include <QtTest>
#include <memory>
#include <string>

#include "gui/fallback_icon_theme.h"
#include "support/document_rig.h"
#include "support/fake_disc_volume.h"
#include "support/widget_lookup.h"
#include "views/qx2_view.h"
#include "views/view_services.h"

namespace vorlix {

namespace {

// A disc holding one file of each kind, its files shown in a file list.
struct FileListOfKinds {
    FileListOfKinds() {
        CQXCatalog catalogue;
        catalogue.addDefaultNamedObjects();
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber("1");
        disc->setName("MIXED");
        disc->setOutline("1 MIXED\r\n");
        disc->setOwnerName(test::DocumentRig::anna().logName);
        disc->setOwnerDigest(test::DocumentRig::anna().passwordDigest);
        for (const char* name :
             {"song.mp3", "readme.txt", "photo.jpg", "film.avi", "noextension"}) {
            disc->files.emplace_back(name, "d:\\", "1000", "d:");
        }
        catalogue.appendDisc(std::move(disc));
        rig.load(std::move(catalogue));
        rig.document.setCurrentDisc(*rig.document.catalogue().discs.front());
        view.showFolder("1 MIXED");
        view.resize(400, 200);
        view.show();
    }

    // The icon of the row's name as the list draws it, by the row's file name: the stem in
    // the name column, the extension in the type column.
    QImage iconOf(const QString& fileName) const {
        const QAbstractItemModel* model = list->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex name = model->index(row, 0);
            const QString type = model->index(row, 2).data().toString();
            const QString shown = type.isEmpty() ? name.data().toString()
                                                 : name.data().toString() + QLatin1Char('.') + type;
            if (shown.compare(fileName, Qt::CaseInsensitive) == 0) {
                return name.data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
            }
        }
        qFatal("no row %s", qPrintable(fileName));
    }

    test::DocumentRig rig;
    test::FakeDiscDrives drives;
    CQX2View view{rig.document, ViewServices{rig.prompt, rig.settings, rig.shell, drives}};
    QTreeView* list = test::child<QTreeView>(view, "fileList");
};

}  // namespace

class FileListIconsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The offscreen platform names no icon theme, as a desktop without a platform theme does.
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCOMPARE(QIcon::themeName(), QString());
        QVERIFY2(useFallbackIconThemeWhenNeeded(), "the setup script installs the theme");
        QCOMPARE(QIcon::themeName(), QStringLiteral("Adwaita"));
        QVERIFY(!useFallbackIconThemeWhenNeeded());
    }

    void eachKindOfFileShowsItsOwnIcon() {
        FileListOfKinds shown;
        const QStringList names = {QStringLiteral("song.mp3"), QStringLiteral("readme.txt"),
                                   QStringLiteral("photo.jpg"), QStringLiteral("film.avi")};
        for (const QString& name : names) {
            QVERIFY2(!shown.iconOf(name).isNull(), qPrintable(name));
        }
        for (qsizetype i = 0; i < names.size(); ++i) {
            for (qsizetype j = i + 1; j < names.size(); ++j) {
                QVERIFY2(shown.iconOf(names[i]) != shown.iconOf(names[j]),
                         qPrintable(names[i] + QStringLiteral(" and ") + names[j]));
            }
        }
        // A name without an extension shows the plain page, which a text file shows too.
        QCOMPARE(shown.iconOf(QStringLiteral("noextension")),
                 shown.iconOf(QStringLiteral("readme.txt")));
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::FileListIconsTest)
#include "file_list_icons_test.moc"
