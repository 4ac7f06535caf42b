#include "online/ui/dialog_cover_search.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/document_services.h"
#include "app/setting_names.h"
#include "online/cover_service_source.h"
#include "online/online_fixture.h"
#include "online/request_pacer.h"
#include "online/scripted_http_server.h"
#include "online/ui/cover_dialog_services.h"
#include "online/ui/picture_bytes.h"
#include "platform/http/curl_http_client.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

using namespace std::chrono_literals;
using test::child;
using test::RecordedRequest;
using test::ScriptedHttpServer;
using test::ScriptedReply;

struct RecordingShell final : ShellOpener {
    std::vector<std::string> opened;
    bool open(const std::string& target) override {
        opened.push_back(target);
        return true;
    }
};

}  // namespace

class DialogCoverSearchTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScriptedHttpServer> m_server;
    std::unique_ptr<test::ScriptedPrompt> m_prompt;
    std::unique_ptr<RecordingShell> m_shell;
    std::string m_thumbnail;
    std::string m_large;

    std::unique_ptr<CDialogCoverSearch> dialogFor(const std::string& keywords,
                                                  const std::string& token = "D1234567890AB",
                                                  std::chrono::milliseconds timeout = 10s) {
        auto source =
            std::make_shared<CoverServiceSource>(CoverServiceConfig{m_server->address(), token});
        auto dialog = std::make_unique<CDialogCoverSearch>(
            keywords, std::string(),
            CoverDialogServices{*m_prompt,
                                *m_shell,
                                {{"Amazon", source}},
                                "http://www.example.com/",
                                [](const std::atomic<bool>& cancelled) {
                                    auto http = std::make_unique<CurlHttpClient>(5s, 5s);
                                    http->setCancelFlag(&cancelled);
                                    return std::unique_ptr<HttpClient>(std::move(http));
                                },
                                timeout});
        dialog->show();
        return dialog;
    }

    static bool idle(const CDialogCoverSearch& dialog) {
        return child<QPushButton>(dialog, "search")->isEnabled();
    }

    std::vector<RecordedRequest> keywordRequests() const {
        std::vector<RecordedRequest> found;
        for (const RecordedRequest& request : m_server->requests()) {
            if (request.path() == "/onca/xml3") {
                found.push_back(request);
            }
        }
        return found;
    }

    void searchFor(CDialogCoverSearch& dialog) {
        QTest::mouseClick(child<QPushButton>(dialog, "search"), Qt::LeftButton);
        QTRY_VERIFY(idle(dialog));
    }

    void click(CDialogCoverSearch& dialog, const char* button) {
        QTest::mouseClick(child<QToolButton>(dialog, button), Qt::LeftButton);
        QTRY_VERIFY(idle(dialog));
    }

private Q_SLOTS:
    void init() {
        m_server = std::make_unique<ScriptedHttpServer>();
        m_server->route("/onca/xml3", [](const RecordedRequest& request) {
            return ScriptedReply{
                200, test::onlineFixture("cover_keyword_page" + request.query("page") + ".xml"),
                "text/xml"};
        });
        m_thumbnail = test::jpegBytes(80, 80, Qt::darkBlue);
        m_large = test::jpegBytes(500, 500, Qt::darkRed);
        m_server->route("/images/", [this](const RecordedRequest& request) {
            const bool large = request.path().find(".LZZZZZZZ") != std::string::npos;
            return ScriptedReply{200, large ? m_large : m_thumbnail, "image/jpeg"};
        });
        m_prompt = std::make_unique<test::ScriptedPrompt>();
        m_shell = std::make_unique<RecordingShell>();
    }

    void opensWithTheDiscNameAndMusic() {
        const auto dialog = dialogFor("Blue Train");
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Retrieve a CD/DVD Cover"));
        QCOMPARE(child<QLineEdit>(*dialog, "keywords")->text(), QStringLiteral("Blue Train"));
        auto* mode = child<QComboBox>(*dialog, "mode");
        QCOMPARE(mode->count(), 4);
        QCOMPARE(mode->currentText(), QStringLiteral("music"));
        QCOMPARE(mode->itemText(3), QStringLiteral("software"));
        QCOMPARE(child<QPushButton>(*dialog, "search")->toolTip(), QStringLiteral("Start Search"));
        QCOMPARE(child<QToolButton>(*dialog, "first")->toolTip(),
                 QStringLiteral("Go to the first item"));
        QCOMPARE(child<QToolButton>(*dialog, "next")->toolTip(),
                 QStringLiteral("Go to the next item"));
        QCOMPARE(child<QToolButton>(*dialog, "last")->toolTip(),
                 QStringLiteral("Go to the last item"));
        QCOMPARE(child<QTreeWidget>(*dialog, "artists")->columnWidth(0), 150);
        QVERIFY(
            !dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->isEnabled());
    }

    void aSearchShowsTheFirstItemWithItsThumbnail() {
        const auto dialog = dialogFor("Rock & Roll #1");
        searchFor(*dialog);

        QCOMPARE(child<QGroupBox>(*dialog, "results")->title(),
                 QStringLiteral("Results: 12 Items Found"));
        QCOMPARE(child<QLabel>(*dialog, "productName")->text(),
                 QStringLiteral("Album 1 & Friends"));
        QCOMPARE(child<QLabel>(*dialog, "newPrice")->text(), QStringLiteral("$11.98"));
        QCOMPARE(child<QLabel>(*dialog, "usedPrice")->text(), QStringLiteral("$6.49"));
        auto* artists = child<QTreeWidget>(*dialog, "artists");
        QCOMPARE(artists->topLevelItemCount(), 2);
        QCOMPARE(artists->topLevelItem(0)->text(0), QStringLiteral("Band 1"));
        QCOMPARE(child<QLabel>(*dialog, "status")->text(), QStringLiteral("1 of 12 page: 1"));
        QVERIFY(!child<QLabel>(*dialog, "thumbnail")->pixmap().isNull());

        const std::vector<RecordedRequest> requests = keywordRequests();
        QCOMPARE(requests.size(), std::size_t(1));
        QCOMPARE(requests[0].query("KeywordSearch"), std::string("Rock & Roll #1"));
        QCOMPARE(requests[0].query("dev-t"), std::string("D1234567890AB"));
        QVERIFY2(requests[0].target.find("KeywordSearch=Rock%20%26%20Roll%20%231&mode=music") !=
                     std::string::npos,
                 requests[0].target.c_str());
    }

    void itemElevenIsTheFirstOfPageTwo() {
        const auto dialog = dialogFor("Album");
        searchFor(*dialog);
        click(*dialog, "previous");
        QCOMPARE(dialog->currentItem(), 1);
        for (int i = 0; i < 9; ++i) {
            click(*dialog, "next");
        }
        QCOMPARE(dialog->currentItem(), 10);
        QCOMPARE(keywordRequests().size(), std::size_t(1));

        click(*dialog, "next");
        QCOMPARE(dialog->currentItem(), 11);
        QCOMPARE(keywordRequests().size(), std::size_t(2));
        QCOMPARE(keywordRequests().back().query("page"), std::string("2"));
        QCOMPARE(child<QLabel>(*dialog, "productName")->text(),
                 QStringLiteral("Album 11 & Friends"));
        QCOMPARE(child<QLabel>(*dialog, "status")->text(), QStringLiteral("11 of 12 page: 2"));

        click(*dialog, "last");
        QCOMPARE(dialog->currentItem(), 12);
        click(*dialog, "next");
        QCOMPARE(dialog->currentItem(), 12);
        QCOMPARE(child<QLabel>(*dialog, "catalog")->text(), QStringLiteral("N/A"));
        QCOMPARE(child<QLabel>(*dialog, "thumbnail")->text(), QStringLiteral("No picture"));

        click(*dialog, "first");
        QCOMPARE(dialog->currentItem(), 1);
        QCOMPARE(keywordRequests().size(), std::size_t(3));
    }

    void saveKeepsTheLargePictureAndThePrices() {
        const auto dialog = dialogFor("Album");
        searchFor(*dialog);
        click(*dialog, "next");
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save),
                          Qt::LeftButton);
        QTRY_COMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(std::string(dialog->picture().begin(), dialog->picture().end()), m_large);
        const PriceBlock price = dialog->priceBlock("March 05, 2004");
        QCOMPARE(price.asin, std::string("B000000002"));
        QCOMPARE(price.newPrice, std::string("$12.98"));
        QCOMPARE(price.usedPrice, std::string("$7.49"));
        QCOMPARE(price.mode, std::string("music"));
        QCOMPARE(price.date, std::string("March 05, 2004"));
    }

    void findOutMoreOpensTheDetails() {
        const auto dialog = dialogFor("Album");
        searchFor(*dialog);
        QTest::mouseClick(child<QPushButton>(*dialog, "more"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(*dialog, "logo"), Qt::LeftButton);
        QCOMPARE(m_shell->opened,
                 (std::vector<std::string>{
                     "http://www.example.com/exec/obidos/ASIN/B000000001/vorlixmedia-20",
                     "http://www.example.com/"}));
    }

    void anUnconfiguredServiceSaysWhatIsMissing() {
        const auto dialog = dialogFor("Album", "");
        searchFor(*dialog);
        QCOMPARE(m_prompt->messages,
                 std::vector<std::string>{std::string(kCoverServiceNotConfigured)});
        QVERIFY(m_server->requests().empty());
    }

    void aMalformedReplyFindsNothing() {
        m_server->route("/onca/xml3", [](const RecordedRequest&) {
            return ScriptedReply{200, "<html><body>Moved</body></html>", "text/html"};
        });
        const auto dialog = dialogFor("Album");
        searchFor(*dialog);
        QCOMPARE(child<QLabel>(*dialog, "status")->text(), QStringLiteral("Nothing found."));
        QVERIFY(
            !dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->isEnabled());
    }

    void musicBrainzFindsAnAudioCdByItsTableOfContents() {
        m_server->route("/ws/2/discid/", [](const RecordedRequest&) {
            return ScriptedReply{200, test::onlineFixture("musicbrainz_discid.json"),
                                 "application/json"};
        });
        m_server->route("/release/", [this](const RecordedRequest&) {
            std::string listing = test::onlineFixture("coverart_release.json");
            for (std::size_t at = listing.find("HOST/pictures/"); at != std::string::npos;
                 at = listing.find("HOST/pictures/", at)) {
                listing.replace(at, 4, m_server->address());
            }
            return ScriptedReply{200, listing, "application/json"};
        });
        m_server->route("/pictures/", [this](const RecordedRequest& request) {
            return ScriptedReply{
                200, request.path() == "/pictures/front.jpg" ? m_large : m_thumbnail, "image/jpeg"};
        });
        test::MemorySettings settings;
        const std::string key(setting::kSettingsKey);
        settings.texts[{key, std::string(setting::kMusicBrainzHost)}] = m_server->address();
        settings.texts[{key, std::string(setting::kCoverArtHost)}] = m_server->address();
        settings.texts[{key, std::string(setting::kUserEmail)}] = "joe@example.org";
        CDialogCoverSearch dialog("Audio CD", "0c025803 3 150 15150 30150 602",
                                  coverDialogServices(settings, *m_prompt, *m_shell,
                                                      std::make_shared<RequestPacer>(0ms)));
        dialog.show();
        auto* byToc = child<QCheckBox>(dialog, "byToc");
        QVERIFY(!byToc->isVisible());
        child<QComboBox>(dialog, "source")->setCurrentIndex(1);
        QVERIFY(byToc->isVisible());
        QVERIFY(byToc->isChecked());
        QVERIFY(!child<QComboBox>(dialog, "mode")->isEnabled());
        searchFor(dialog);

        QCOMPARE(child<QGroupBox>(dialog, "results")->title(),
                 QStringLiteral("Results: 2 Items Found"));
        QCOMPARE(child<QLabel>(dialog, "productName")->text(), QStringLiteral("The Album"));
        QCOMPARE(child<QLabel>(dialog, "newPrice")->text(), QStringLiteral("N/A"));
        QVERIFY(!child<QLabel>(dialog, "thumbnail")->pixmap().isNull());
        const RecordedRequest lookup = m_server->requests().front();
        QCOMPARE(lookup.path(), std::string("/ws/2/discid/-"));
        QCOMPARE(lookup.query("toc"), std::string("1 3 45150 150 15150 30150"));
        const std::string agent = lookup.header("User-Agent");
        QVERIFY2(agent.starts_with(CurlHttpClient::defaultUserAgent()) &&
                     agent.find("joe@example.org") != std::string::npos,
                 agent.c_str());

        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save),
                          Qt::LeftButton);
        QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(std::string(dialog.picture().begin(), dialog.picture().end()), m_large);
        const PriceBlock price = dialog.priceBlock("December 11, 2026");
        QCOMPARE(price.mode, std::string("music"));
        QCOMPARE(price.newPrice, std::string("N/A"));
        QCOMPARE(price.usedPrice, std::string("N/A"));
        QCOMPARE(price.asin, std::string("B000000001"));
    }

    void aSilentServerIsGivenUp() {
        m_server->stayQuiet();
        const auto dialog = dialogFor("Album", "D1234567890AB", 1s);
        QTest::mouseClick(child<QPushButton>(*dialog, "search"), Qt::LeftButton);
        QVERIFY(child<QPushButton>(*dialog, "stop")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!m_prompt->messages.empty(), 20000);
        QCOMPARE(m_prompt->messages,
                 std::vector<std::string>{"The server did not answer within 1 second."});
        QVERIFY(idle(*dialog));
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::DialogCoverSearchTest)
#include "dialog_cover_search_test.moc"
