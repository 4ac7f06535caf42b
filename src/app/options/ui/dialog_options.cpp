#include "app/options/ui/dialog_options.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/options/options_settings.h"
#include "app/options/ui/general_options_page.h"
#include "app/options/ui/interface_options_page.h"
#include "app/options/ui/net_options_page.h"
#include "app/options/ui/restore_options_page.h"
#include "app/options/ui/startup_options_page.h"
#include "core/user_prompt.h"

namespace vorlix {

namespace {

constexpr int kIconSize = 32;
constexpr int kPageCount = 6;
constexpr QSize kListCell(88, 62);
constexpr int kPageMinimumWidth = 420;

QListWidget* createPageList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("pageList"));
    list->setViewMode(QListView::IconMode);
    list->setFlow(QListView::TopToBottom);
    list->setMovement(QListView::Static);
    list->setWrapping(false);
    list->setIconSize(QSize(kIconSize, kIconSize));
    list->setGridSize(kListCell);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFixedWidth(kListCell.width() + 2 * list->frameWidth() + 4);
    list->setMinimumHeight(kPageCount * kListCell.height() + 2 * list->frameWidth() + 4);
    return list;
}

}  // namespace

CDialogOptions::CDialogOptions(OptionsSettings& settings, SettingsRestore& restore,
                               UserPrompt& prompt, OptionsPage* wordlistsPage, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_prompt(prompt) {
    setObjectName(QStringLiteral("CDialogOptions"));
    setWindowTitle(QStringLiteral("Orvanta Settings"));
    setModal(true);

    m_pageList = createPageList(this);
    m_pageStack = new QStackedWidget(this);
    m_pageStack->setObjectName(QStringLiteral("pageStack"));
    m_pageStack->setMinimumWidth(kPageMinimumWidth);

    auto* restorePage = new RestoreOptionsPage(restore);
    connect(restorePage, &RestoreOptionsPage::restored, this,
            &CDialogOptions::showRestoredSettings);
    addPage(OptionsIcon::General, QStringLiteral("General"), new GeneralOptionsPage(settings));
    addPage(OptionsIcon::Interface, QStringLiteral("Interface"),
            new InterfaceOptionsPage(settings));
    addPage(OptionsIcon::Net, QStringLiteral("Net"), new NetOptionsPage(settings));
    addPage(OptionsIcon::Startup, QStringLiteral("Startup"),
            new StartupOptionsPage(settings, prompt));
    addPage(OptionsIcon::Restore, QStringLiteral("Restore"), restorePage);
    addPage(OptionsIcon::Wordlists, QStringLiteral("Wordlists"), wordlistsPage);
    connect(m_pageList, &QListWidget::currentRowChanged, m_pageStack,
            &QStackedWidget::setCurrentIndex);
    m_pageList->setCurrentRow(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogOptions::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogOptions::reject);

    auto* panes = new QHBoxLayout;
    panes->addWidget(m_pageList);
    panes->addWidget(m_pageStack, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addWidget(buttons);
}

void CDialogOptions::accept() {
    for (OptionsPage* page : m_pages) {
        page->dialogAccepted();
    }
    m_settings.accept();
    QDialog::accept();
}

void CDialogOptions::addPage(OptionsIcon icon, const QString& name, OptionsPage* page) {
    auto* item = new QListWidgetItem(optionsPageIcon(icon), name, m_pageList);
    item->setTextAlignment(Qt::AlignHCenter);
    m_pageStack->addWidget(page);
    m_pages.push_back(page);
}

void CDialogOptions::showRestoredSettings() {
    if (const Result followed = m_settings.reload(); !followed.ok()) {
        m_prompt.message(followed.message(), MessageIcon::Warning);
    }
    for (OptionsPage* page : m_pages) {
        page->settingsReloaded();
    }
}

}  // namespace vorlix
