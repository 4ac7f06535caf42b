#include "online/ui/dialog_cd_info.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>
#include <string>

#include "app/document_services.h"
#include "app/setting_names.h"
#include "core/disc.h"
#include "core/disc_info.h"
#include "core/price_block.h"
#include "online/online_fixture.h"
#include "online/scripted_http_server.h"
#include "online/ui/picture_bytes.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

using test::child;
using test::RecordedRequest;
using test::ScriptedHttpServer;
using test::ScriptedReply;

struct RecordingShell final : ShellOpener {
    std::vector<std::string> opened;
    bool open(const std::string& target) override {
        opened.push_back(target);
        return false;
    }
};

CQXDisc discWith(const std::string& record) {
    CQXDisc disc;
    disc.setNumber("12");
    disc.setName("Blue Train");
    disc.setLocation("home");
    disc.setShared("Yes");
    disc.setInfo(record);
    disc.editCategories().push_back("Jazz");
    disc.editCategories().push_back("Vinyl");
    disc.files.emplace_back("a.mp3", "d:\\", "1", "d:", "12");
    return disc;
}

ByteArray coverOf(int width, int height) {
    const std::string bytes = test::jpegBytes(width, height, Qt::darkGreen);
    return ByteArray{{bytes.begin(), bytes.end()}};
}

}  // namespace

class DialogCdInfoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScriptedHttpServer> m_server;
    std::unique_ptr<test::MemorySettings> m_settings;
    std::unique_ptr<test::ScriptedPrompt> m_prompt;
    std::unique_ptr<RecordingShell> m_shell;

    std::unique_ptr<CDialogCdInfo> window() {
        return std::make_unique<CDialogCdInfo>(CdInfoServices{
            *m_settings, *m_prompt, *m_shell, curlClients(*m_settings), "/nonexistent.jpg"});
    }

private Q_SLOTS:
    void init() {
        m_server = std::make_unique<ScriptedHttpServer>();
        m_settings = std::make_unique<test::MemorySettings>();
        m_settings->texts[{std::string(setting::kSettingsKey), std::string(setting::kCoverHost)}] =
            m_server->address();
        m_settings->texts[{std::string(setting::kSettingsKey), std::string(setting::kCoverToken)}] =
            "D1234567890AB";
        m_prompt = std::make_unique<test::ScriptedPrompt>();
        m_shell = std::make_unique<RecordingShell>();
    }

    void showsTheDiscWithItsPriceAndPortraitCover() {
        const std::string record = *storePriceBlock(
            disc_info::scannedDataRecord(), {"March 05, 2004", "$12.98", "", "B000000001", "dvd"});
        const CQXDisc disc = discWith(record);
        const ByteArray cover = coverOf(500, 700);
        const auto info = window();
        info->fill(disc, &cover);
        info->show();

        QCOMPARE(info->windowTitle(), QStringLiteral("CD Info"));
        QCOMPARE(info->width(), kCdInfoWidthWithCover);
        const QPixmap picture = child<QLabel>(*info, "picture")->pixmap();
        QCOMPARE(picture.size(), QSize(200, 250));
        auto* categories = child<QTreeWidget>(*info, "categories");
        QCOMPARE(categories->headerItem()->text(0), QStringLiteral("CD Categories"));
        QCOMPARE(categories->topLevelItem(0)->text(0), QStringLiteral("Vinyl"));
        QCOMPARE(child<QLabel>(*info, "fileCount")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLabel>(*info, "shared")->toolTip(), QStringLiteral("Yes"));
        QCOMPARE(child<QGroupBox>(*info, "price")->title(),
                 QStringLiteral("Current Price Info: March 05, 2004"));
        QCOMPARE(child<QLabel>(*info, "newPrice")->text(), QStringLiteral("$12.98"));
        QCOMPARE(child<QLabel>(*info, "usedPrice")->text(), QStringLiteral("N/A"));
        QCOMPARE(child<QLabel>(*info, "asin")->text(), QStringLiteral("B000000001"));

        Q_EMIT categories->header()->sectionClicked(0);
        QCOMPARE(categories->topLevelItem(0)->text(0), QStringLiteral("Jazz"));
        Q_EMIT categories->header()->sectionClicked(0);
        QCOMPARE(categories->topLevelItem(0)->text(0), QStringLiteral("Vinyl"));
    }

    void aDiscWithoutCoverOrPriceShowsNotesAndNA() {
        const CQXDisc disc = discWith("old plain notes");
        const auto info = window();
        const ByteArray cover = coverOf(300, 300);
        info->fill(disc, &cover);
        info->fill(disc, nullptr);
        QCOMPARE(info->width(), kCdInfoWidth);
        QCOMPARE(child<QPlainTextEdit>(*info, "notes")->toPlainText(),
                 QStringLiteral("old plain notes"));
        QCOMPARE(child<QLabel>(*info, "newPrice")->text(), QStringLiteral("N/A"));
        QCOMPARE(child<QLabel>(*info, "usedPrice")->text(), QStringLiteral("N/A"));
    }

    void availabilityAsksToLearnMore() {
        m_server->route("/onca/xml3", [](const RecordedRequest& request) {
            return ScriptedReply{200,
                                 test::onlineFixture(request.query("AsinSearch") == "B000000001"
                                                         ? "cover_asin.xml"
                                                         : "cover_asin_unknown.xml"),
                                 "text/xml"};
        });
        const auto info = window();
        info->fill(discWith(*storePriceBlock(disc_info::scannedDataRecord(),
                                             {"d", "1", "2", "B000000001", "music"})),
                   nullptr);
        info->show();
        m_prompt->answers.push_back(Answer::Yes);
        auto* button = child<QPushButton>(*info, "availability");
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_COMPARE(m_prompt->messages.size(), std::size_t(2));
        QCOMPARE(m_prompt->messages[0],
                 std::string("Usually ships within 24 hours\n\n Would you like to learn more?"));
        QCOMPARE(m_shell->opened,
                 std::vector<std::string>{
                     "http://www.example.com/exec/obidos/ASIN/B000000001/vorlixmedia-20"});
        QCOMPARE(m_prompt->messages[1], std::string(kSiteNotOpenedMessage));

        info->fill(discWith(*storePriceBlock(disc_info::scannedDataRecord(),
                                             {"d", "1", "2", "B0UNKNOWN", "music"})),
                   nullptr);
        QTRY_VERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_COMPARE(m_prompt->messages.size(), std::size_t(3));
        QCOMPARE(m_prompt->messages[2], std::string(kItemNotFoundMessage));
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::DialogCdInfoTest)
#include "dialog_cd_info_test.moc"
