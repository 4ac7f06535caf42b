#include "online/ui/dialog_cddb.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "core/catalog.h"
#include "core/disc_info.h"
#include "online/audio_catalogue.h"
#include "online/scripted_http_server.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

using namespace std::chrono_literals;
using test::child;
using test::ScriptedHttpServer;
using test::ScriptedReply;

const ScriptedReply kTwoMatches{
    200,
    "211 Found inexact matches, list follows (until terminating `.')\r\n"
    "rock 13025803 The Artist / The Album\r\n"
    "jazz 13025804 Someone Else / Another Album\r\n"
    ".\r\n"};

ScriptedReply entryReply(const std::string& category, const std::string& title) {
    return {200, "210 " + category +
                     " 13025803 CD database entry follows\r\n"
                     "# xmcd\r\n#\r\n# Track frame offsets:\r\n#\t150\r\n#\t13650\r\n#\t30150\r\n"
                     "#\r\n# Disc length: 602 seconds\r\n#\r\n# Revision: 3\r\n#\r\n"
                     "DISCID=13025803\r\nDTITLE=" +
                     title +
                     "\r\nDYEAR=1999\r\n"
                     "TTITLE0=Opening\r\nTTITLE1=Middle\r\nTTITLE2=Closing\r\n"
                     "EXTD=\r\nEXTT0=\r\nEXTT1=\r\nEXTT2=\r\nPLAYORDER=\r\n.\r\n"};
}

QStringList texts(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) {
        list.append(QString::fromUtf8(item));
    }
    return list;
}

QStringList column(const QTreeWidget* tree, int index) {
    QStringList texts;
    for (int row = 0; row < tree->topLevelItemCount(); ++row) {
        texts.append(tree->topLevelItem(row)->text(index));
    }
    return texts;
}

}  // namespace

class DialogCddbTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScriptedHttpServer> m_server;
    std::unique_ptr<test::MemorySettings> m_settings;
    std::unique_ptr<test::ScriptedPrompt> m_prompt;
    std::unique_ptr<CQXCatalog> m_catalogue;

    std::unique_ptr<CDialogCddb> dialogFor(const std::string& number,
                                           std::chrono::milliseconds timeout = 10s) {
        const CQXDisc* disc = m_catalogue->findDisc(number);
        std::string tag =
            disc == nullptr ? std::string() : disc_info::readMediaTag(disc->info()).value;
        auto dialog = std::make_unique<CDialogCddb>(
            *m_catalogue, number, tag,
            CddbDialogServices{*m_settings, *m_prompt, {"joe@example.org"}, timeout});
        dialog->show();
        return dialog;
    }

    static bool idle(const CDialogCddb& dialog) {
        return child<QPushButton>(dialog, "start")->isEnabled();
    }

private Q_SLOTS:
    void init() {
        m_server = std::make_unique<ScriptedHttpServer>();
        m_server->script("cddb query", kTwoMatches);
        m_server->script("cddb read rock", entryReply("rock", "The Artist / The Album"));
        m_server->script("cddb read jazz", entryReply("jazz", "Someone Else / Another Album"));
        m_settings = std::make_unique<test::MemorySettings>();
        m_settings->texts[{std::string(setting::kFreedbKey), std::string(setting::kFreedbSite)}] =
            m_server->address() + " (Test Server)";
        m_prompt = std::make_unique<test::ScriptedPrompt>();
        m_catalogue = std::make_unique<CQXCatalog>();
        m_catalogue->appendDisc(test::scannedAudioDisc("7", test::kThreeTrackTag, 3));
    }

    void opensCollapsedWithTheDiscsOwnRows() {
        const auto dialog = dialogFor("7");
        QCOMPARE(dialog->windowTitle(), QStringLiteral("CDDB Dialog"));
        QCOMPARE(dialog->height(), kCddbDialogCollapsedHeight);
        QVERIFY(!dialog->optionsShown());
        QCOMPARE(column(child<QTreeWidget>(*dialog, "tracks"), 0),
                 texts({"Track01.cda", "Track02.cda", "Track03.cda"}));
        QCOMPARE(child<QComboBox>(*dialog, "server")->currentText(),
                 QString::fromStdString(m_server->address() + " (Test Server)"));
        QCOMPARE(child<QPushButton>(*dialog, "start")->toolTip(), QStringLiteral("Start"));
        QCOMPARE(child<QPushButton>(*dialog, "submit")->toolTip(),
                 QStringLiteral("Submit CD track info"));
        auto* toggle = child<QToolButton>(*dialog, "options");
        QCOMPARE(toggle->toolTip(), QStringLiteral("Show/Hide Options"));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(dialog->height(), kCddbDialogExpandedHeight);
        QVERIFY(child<QCheckBox>(*dialog, "replaceName")->isChecked());
        QVERIFY(child<QCheckBox>(*dialog, "replaceArtist")->isChecked());
        QVERIFY(!child<QCheckBox>(*dialog, "addLength")->isChecked());
        QVERIFY(!child<QCheckBox>(*dialog, "batch")->isChecked());
        QVERIFY(!child<QCheckBox>(*dialog, "assignCategory")->isChecked());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(dialog->height(), kCddbDialogCollapsedHeight);
    }

    void aDiscWithoutNumberCannotBeRenamed() {
        auto disc = test::scannedAudioDisc("", test::kThreeTrackTag, 3);
        m_catalogue->appendDisc(std::move(disc));
        const auto dialog = dialogFor("");
        for (const char* name : {"replaceName", "replaceArtist", "addLength"}) {
            auto* box = child<QCheckBox>(*dialog, name);
            QVERIFY(!box->isChecked());
            QVERIFY(!box->isEnabled());
        }
        QVERIFY(child<QCheckBox>(*dialog, "batch")->isEnabled());
    }

    void aLookupAppliedWithOkRenamesTheTracks() {
        const auto dialog = dialogFor("7");
        child<QCheckBox>(*dialog, "addLength")->setChecked(true);
        QTest::mouseClick(child<QPushButton>(*dialog, "start"), Qt::LeftButton);
        QTRY_VERIFY(idle(*dialog));

        QCOMPARE(child<QLineEdit>(*dialog, "artist")->text(), QStringLiteral("The Artist"));
        QCOMPARE(child<QLineEdit>(*dialog, "album")->text(), QStringLiteral("The Album"));
        QCOMPARE(child<QLineEdit>(*dialog, "year")->text(), QStringLiteral("1999"));
        QCOMPARE(child<QLineEdit>(*dialog, "category")->text(), QStringLiteral("rock"));
        auto* tracks = child<QTreeWidget>(*dialog, "tracks");
        QCOMPARE(column(tracks, 0), texts({"01 Opening", "02 Middle", "03 Closing"}));
        QCOMPARE(column(tracks, 1), texts({"3:00", "3:40", "3:20"}));
        auto* matches = child<QComboBox>(*dialog, "matches");
        QVERIFY(matches->isVisible());
        QCOMPARE(matches->count(), 2);
        const std::pair<std::string, std::string> site{setting::kFreedbKey, setting::kFreedbSite};
        QCOMPARE(m_settings->texts[site], m_server->address() + " (Test Server)");

        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);

        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const CQXDisc& disc = *m_catalogue->findDisc("7");
        QCOMPARE(std::string(disc.name()), std::string("The Album"));
        QCOMPARE(std::string(disc.artist()), std::string("The Artist (1999)"));
        QCOMPARE(test::entryNames(disc),
                 (std::vector<std::string>{"01 Opening 3:00.cda", "02 Middle 3:40.cda",
                                           "03 Closing 3:20.cda"}));
        QCOMPARE(disc_info::readFreedbState(disc.info()).value, std::string("yes"));
        const CddbLookupResult result = dialog->lookupResult();
        QVERIFY(!result.batch);
        QVERIFY(result.replaceName);
        QCOMPARE(result.resultName, std::string("The Album"));
        QVERIFY(m_prompt->messages.empty());
    }

    void anotherMatchCanBeChosen() {
        const auto dialog = dialogFor("7");
        QTest::mouseClick(child<QPushButton>(*dialog, "start"), Qt::LeftButton);
        QTRY_VERIFY(idle(*dialog));
        auto* matches = child<QComboBox>(*dialog, "matches");
        matches->setCurrentIndex(1);
        Q_EMIT matches->activated(1);
        QTRY_VERIFY(idle(*dialog));
        QCOMPARE(child<QLineEdit>(*dialog, "category")->text(), QStringLiteral("jazz"));
        QCOMPARE(child<QLineEdit>(*dialog, "album")->text(), QStringLiteral("Another Album"));
        QCOMPARE(matches->currentIndex(), 1);
    }

    void theBatchSkipsDiscsAlreadyLookedUp() {
        m_catalogue->appendDisc(test::scannedAudioDisc("8", test::kThreeTrackTag, 3));
        CQXDisc& done = *m_catalogue->findDisc("8");
        done.setInfo(*disc_info::setFreedbState(done.info(), true));
        m_catalogue->appendDisc(test::scannedDataDisc("9"));
        auto noTag = test::scannedAudioDisc("10", test::kThreeTrackTag, 3);
        noTag->setInfo("<info>\r\n<cddb>no</cddb>\r\n<notes/>\r\n</info>\r\n");
        m_catalogue->appendDisc(std::move(noTag));
        m_catalogue->appendDisc(test::scannedAudioDisc("11", test::kThreeTrackTag, 3));

        const auto dialog = dialogFor("7");
        child<QCheckBox>(*dialog, "batch")->setChecked(true);
        QTest::mouseClick(child<QPushButton>(*dialog, "start"), Qt::LeftButton);
        QTRY_VERIFY(idle(*dialog));

        for (const char* number : {"7", "11"}) {
            const CQXDisc& disc = *m_catalogue->findDisc(number);
            QCOMPARE(std::string(disc.name()), std::string("The Album"));
            QCOMPARE(disc_info::readFreedbState(disc.info()).value, std::string("yes"));
        }
        QCOMPARE(std::string(m_catalogue->findDisc("8")->name()), std::string("Audio CD"));
        QCOMPARE(m_prompt->messages, std::vector<std::string>{"CD 10: Invalid media tag\r\n"});
        QCOMPARE(m_prompt->shown.back().icon, MessageIcon::Information);
        int queries = 0;
        for (const auto& request : m_server->requests()) {
            queries += request.query("cmd").starts_with("cddb query") ? 1 : 0;
        }
        QCOMPARE(queries, 2);

        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const CddbLookupResult result = dialog->lookupResult();
        QVERIFY(result.batch);
        QCOMPARE(result.processedNumbers, (std::vector<std::string>{"7", "10", "11"}));
    }

    void aSilentServerIsGivenUpWhileTheWindowAnswers() {
        m_server->stayQuiet();
        const auto dialog = dialogFor("7", 1s);
        QTest::mouseClick(child<QPushButton>(*dialog, "start"), Qt::LeftButton);
        QVERIFY(child<QPushButton>(*dialog, "stop")->isVisible());
        QVERIFY(child<QProgressBar>(*dialog, "progress")->isVisible());
        QTest::mouseClick(child<QToolButton>(*dialog, "options"), Qt::LeftButton);
        QCOMPARE(dialog->height(), kCddbDialogExpandedHeight);

        QTRY_VERIFY_WITH_TIMEOUT(!m_prompt->messages.empty(), 20000);
        QCOMPARE(m_prompt->messages,
                 std::vector<std::string>{"The freedb server " + m_server->address() +
                                          " did not answer within 1 second."});
        QVERIFY(idle(*dialog));
        QCOMPARE(silentServerMessage("x.org", 15s),
                 std::string("The freedb server x.org did not answer within 15 seconds."));
    }

    void stoppingLeavesEverythingAsItWas() {
        m_server->stayQuiet();
        const auto dialog = dialogFor("7");
        QTest::mouseClick(child<QPushButton>(*dialog, "start"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(*dialog, "stop"), Qt::LeftButton);
        QVERIFY(idle(*dialog));
        QCOMPARE(child<QLabel>(*dialog, "status")->text(), QStringLiteral("Stopped."));
        QVERIFY(m_prompt->messages.empty());
    }

    void aMalformedReplyIsReportedAndChangesNothing() {
        m_server->script("cddb query", {200, "<html>Service moved</html>\r\n"});
        const std::string before = std::string(m_catalogue->findDisc("7")->info());
        const auto dialog = dialogFor("7");
        QTest::mouseClick(child<QPushButton>(*dialog, "start"), Qt::LeftButton);
        QTRY_VERIFY(idle(*dialog));
        QCOMPARE(m_prompt->messages.size(), std::size_t(1));
        QVERIFY2(m_prompt->messages[0].find(m_server->address()) != std::string::npos,
                 m_prompt->messages[0].c_str());

        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        const CQXDisc& disc = *m_catalogue->findDisc("7");
        QCOMPARE(std::string(disc.info()), before);
        QCOMPARE(test::entryNames(disc),
                 (std::vector<std::string>{"Track01.cda", "Track02.cda", "Track03.cda"}));
    }

    void theServerListShowsFlagsAndDescriptions() {
        m_server->script(
            "sites",
            {200,
             "210 OK, site information follows (until terminating `.')\r\n"
             "us.freedb.org http 80 /~cddb/cddb.cgi N037.21 W121.55 Santa Clara, CA USA\r\n"
             "de.freedb.org http 80 /~cddb/cddb.cgi N000.00 E000.00 Germany\r\n"
             "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Random gnudb server\r\n"
             ".\r\n"});
        const auto dialog = dialogFor("7");
        QTest::mouseClick(child<QPushButton>(*dialog, "retrieve"), Qt::LeftButton);
        QTRY_VERIFY(idle(*dialog));
        auto* servers = child<QComboBox>(*dialog, "server");
        QCOMPARE(servers->count(), 3);
        QCOMPARE(servers->itemText(1), QStringLiteral("de.freedb.org"));
        QVERIFY(!servers->itemIcon(0).isNull());
        QCOMPARE(servers->itemIcon(0).availableSizes().size(), 2);
        servers->setCurrentIndex(1);
        QCOMPARE(child<QLabel>(*dialog, "description")->text(),
                 QStringLiteral("N000.00 E000.00 Germany"));
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::DialogCddbTest)
#include "dialog_cddb_test.moc"
