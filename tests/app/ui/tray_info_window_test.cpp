// The tray information window on the installation's own page: its frame, the page shown, and
// what a click on each kind of link does.
#include "app/ui/tray_info_window.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <optional>

#include "app/setting_names.h"
#include "support/memory_settings.h"
#include "support/temp_dir.h"
#include "support/widget_lookup.h"

namespace vorlix {

// Stands in for the desktop's default programs and records what they were asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

class TrayInfoWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void createdHiddenWithItsTitleSizeAndPlace();
    void showsTheTrayPageOfTheProgramFolder();
    void theCheckBoxLinksSetWhetherTheWindowShows();
    void otherLinksOpenOnTheDesktop();
    void aMissingPageLeavesAnEmptyWindow();

private:
    static std::string dataFolder() { return std::string(VORLIX_SOURCE_DIR) + "/data/"; }
    static std::optional<std::uint32_t> showTrayInfo(const test::MemorySettings& settings);
    static void clickLink(QTextBrowser& browser, const QString& hrefPart);

    UrlRecorder m_desktop;
};

void TrayInfoWindowTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    for (const auto scheme : {"file", "http", "https"}) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_desktop, "open");
    }
}

void TrayInfoWindowTest::cleanupTestCase() {
    for (const auto scheme : {"file", "http", "https"}) {
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
}

std::optional<std::uint32_t> TrayInfoWindowTest::showTrayInfo(
    const test::MemorySettings& settings) {
    const auto found = settings.numbers.find(
        {std::string(setting::kSettingsKey), std::string(setting::kShowTrayInfo)});
    if (found == settings.numbers.end()) {
        return std::nullopt;
    }
    return found->second;
}

// Clicks the middle of the first link whose address contains hrefPart, as a user would.
void TrayInfoWindowTest::clickLink(QTextBrowser& browser, const QString& hrefPart) {
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            if (!part.charFormat().anchorHref().contains(hrefPart)) {
                continue;
            }
            QTextCursor cursor(browser.document());
            cursor.setPosition(part.position() + part.length() / 2);
            browser.ensureCursorVisible();
            const QPoint at = browser.cursorRect(cursor).center();
            QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, at);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no link to ") + hrefPart));
}

void TrayInfoWindowTest::createdHiddenWithItsTitleSizeAndPlace() {
    test::MemorySettings settings;
    QWidget owner;
    TrayInfoWindow window(settings, dataFolder(), &owner);
    owner.show();
    QVERIFY(window.isHidden());
    QVERIFY(window.isWindow());
    QCOMPARE(window.windowTitle(), QStringLiteral("Vorlix Tray Info"));
    QCOMPARE(window.size(), QSize(390, 310));
    QCOMPARE(window.pos(), QPoint(500, 200));
}

void TrayInfoWindowTest::showsTheTrayPageOfTheProgramFolder() {
    for (const std::string& folder :
         {dataFolder(), dataFolder().substr(0, dataFolder().size() - 1)}) {
        test::MemorySettings settings;
        TrayInfoWindow window(settings, folder);
        const auto* browser = test::child<QTextBrowser>(window, "trayInfoPage");
        QCOMPARE(browser->source(),
                 QUrl::fromLocalFile(QString::fromStdString(dataFolder() + "doc/html/tray.html")));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Do not show this window again")));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Restore")));
    }
}

void TrayInfoWindowTest::theCheckBoxLinksSetWhetherTheWindowShows() {
    test::MemorySettings settings;
    TrayInfoWindow window(settings, dataFolder());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* browser = test::child<QTextBrowser>(window, "trayInfoPage");
    const QUrl page = browser->source();
    const QString text = browser->toPlainText();

    clickLink(*browser, QStringLiteral("<checked>true</checked>"));
    QCOMPARE(showTrayInfo(settings), std::optional<std::uint32_t>(0));
    clickLink(*browser, QStringLiteral("<checked>false</checked>"));
    QCOMPARE(showTrayInfo(settings), std::optional<std::uint32_t>(1));

    // The page stays: a command address is never followed.
    QCOMPARE(browser->source(), page);
    QCOMPARE(browser->toPlainText(), text);
    QVERIFY(m_desktop.opened.isEmpty());
}

void TrayInfoWindowTest::otherLinksOpenOnTheDesktop() {
    m_desktop.opened.clear();
    test::MemorySettings settings;
    TrayInfoWindow window(settings, dataFolder());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* browser = test::child<QTextBrowser>(window, "trayInfoPage");
    const QUrl page = browser->source();

    clickLink(*browser, QStringLiteral("../index.html"));
    QCOMPARE(
        m_desktop.opened,
        QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(dataFolder() + "doc/index.html"))});
    QCOMPARE(browser->source(), page);
    QCOMPARE(showTrayInfo(settings), std::nullopt);
}

void TrayInfoWindowTest::aMissingPageLeavesAnEmptyWindow() {
    test::TempDir folder;
    test::MemorySettings settings;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("tray\\.html")));
    TrayInfoWindow window(settings, folder.path());
    const auto* browser = test::child<QTextBrowser>(window, "trayInfoPage");
    QVERIFY(browser->toPlainText().isEmpty());
    QCOMPARE(window.windowTitle(), QStringLiteral("Vorlix Tray Info"));
}

}  // namespace vorlix

QTEST_MAIN(vorlix::TrayInfoWindowTest)
#include "tray_info_window_test.moc"
