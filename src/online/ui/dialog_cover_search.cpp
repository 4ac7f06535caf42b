#include "online/ui/dialog_cover_search.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/document_services.h"
#include "app/ui/qt_text.h"
#include "core/user_prompt.h"
#include "online/ui/background_request.h"
#include "platform/http_client.h"

namespace vorlix {

namespace {

constexpr int kThumbnailWidth = 160;
constexpr int kThumbnailHeight = 160;
constexpr int kArtistColumnWidth = 150;

QToolButton* navigationButton(const QString& text, const QString& name, const QString& tip) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setText(text);
    return button;
}

QLabel* valueLabel(const QString& name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

CDialogCoverSearch::CDialogCoverSearch(std::string keywords, std::string mediaTag,
                                       CoverDialogServices services, QWidget* parent)
    : QDialog(parent),
      m_mediaTag(std::move(mediaTag)),
      m_services(std::move(services)),
      m_request(new BackgroundRequest(m_services.timeout, this)) {
    setWindowTitle(QStringLiteral("Retrieve a CD/DVD Cover"));
    buildWidgets(keywords);
    connect(m_request, &BackgroundRequest::timedOut, this, &CDialogCoverSearch::onTimedOut);
    chooseSource();
    setWorking(false);
}

CDialogCoverSearch::~CDialogCoverSearch() = default;

void CDialogCoverSearch::buildWidgets(const std::string& keywords) {
    m_source = new QComboBox;
    m_source->setObjectName(QStringLiteral("source"));
    for (const NamedCoverSource& named : m_services.sources) {
        m_source->addItem(toQt(named.name));
    }
    m_keywords = new QLineEdit(toQt(keywords));
    m_keywords->setObjectName(QStringLiteral("keywords"));
    m_mode = new QComboBox;
    m_mode->setObjectName(QStringLiteral("mode"));
    m_mode->addItems({QStringLiteral("music"), QStringLiteral("classical"), QStringLiteral("dvd"),
                      QStringLiteral("software")});
    m_byToc = new QCheckBox(QStringLiteral("Look the audio CD up by its table of contents"));
    m_byToc->setObjectName(QStringLiteral("byToc"));
    m_byToc->setChecked(!m_mediaTag.empty());
    m_search = new QPushButton(QStringLiteral("Search"));
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setToolTip(QStringLiteral("Start Search"));
    m_search->setDefault(true);

    m_results = new QGroupBox(QStringLiteral("Results"));
    m_results->setObjectName(QStringLiteral("results"));
    m_productName = valueLabel(QStringLiteral("productName"));
    m_productName->setWordWrap(true);
    m_catalog = valueLabel(QStringLiteral("catalog"));
    m_releaseDate = valueLabel(QStringLiteral("releaseDate"));
    m_newPrice = valueLabel(QStringLiteral("newPrice"));
    m_usedPrice = valueLabel(QStringLiteral("usedPrice"));
    m_people = new QTreeWidget;
    m_people->setObjectName(QStringLiteral("artists"));
    m_people->setHeaderHidden(true);
    m_people->setRootIsDecorated(false);
    m_people->setColumnCount(1);
    m_people->header()->setStretchLastSection(false);
    m_people->setColumnWidth(0, kArtistColumnWidth);
    m_people->setMaximumHeight(70);
    m_thumbnail = new QLabel;
    m_thumbnail->setObjectName(QStringLiteral("thumbnail"));
    m_thumbnail->setFixedSize(kThumbnailWidth, kThumbnailHeight);
    m_thumbnail->setAlignment(Qt::AlignCenter);
    m_thumbnail->setFrameShape(QFrame::StyledPanel);

    m_first = navigationButton(QStringLiteral("|<"), QStringLiteral("first"),
                               QStringLiteral("Go to the first item"));
    m_previous = navigationButton(QStringLiteral("<"), QStringLiteral("previous"),
                                  QStringLiteral("Go to the previous item"));
    m_next = navigationButton(QStringLiteral(">"), QStringLiteral("next"),
                              QStringLiteral("Go to the next item"));
    m_last = navigationButton(QStringLiteral(">|"), QStringLiteral("last"),
                              QStringLiteral("Go to the last item"));
    m_more = new QPushButton(QStringLiteral("Find out more ..."));
    m_more->setObjectName(QStringLiteral("more"));
    m_logo = new QPushButton(QStringLiteral("Visit the service"));
    m_logo->setObjectName(QStringLiteral("logo"));
    m_logo->setFlat(true);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("status"));
    m_stop = new QPushButton(QStringLiteral("Stop"));
    m_stop->setObjectName(QStringLiteral("stop"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    m_save = buttons->button(QDialogButtonBox::Save);

    auto* searchForm = new QFormLayout;
    searchForm->addRow(QStringLiteral("Source:"), m_source);
    auto* keywordRow = new QHBoxLayout;
    keywordRow->addWidget(m_keywords, 1);
    keywordRow->addWidget(m_mode);
    keywordRow->addWidget(m_search);
    searchForm->addRow(QStringLiteral("Keywords:"), keywordRow);
    searchForm->addRow(QString(), m_byToc);

    auto* details = new QFormLayout;
    details->addRow(QStringLiteral("Product:"), m_productName);
    details->addRow(QStringLiteral("Catalog:"), m_catalog);
    details->addRow(QStringLiteral("Released:"), m_releaseDate);
    details->addRow(QStringLiteral("New:"), m_newPrice);
    details->addRow(QStringLiteral("Used:"), m_usedPrice);
    details->addRow(m_people);
    auto* item = new QHBoxLayout;
    item->addWidget(m_thumbnail, 0, Qt::AlignTop);
    item->addLayout(details, 1);
    auto* navigation = new QHBoxLayout;
    for (QToolButton* button : {m_first, m_previous, m_next, m_last}) {
        navigation->addWidget(button);
    }
    navigation->addStretch(1);
    navigation->addWidget(m_more);
    auto* resultsLayout = new QVBoxLayout(m_results);
    resultsLayout->addLayout(item);
    resultsLayout->addLayout(navigation);

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(m_status, 1);
    statusRow->addWidget(m_stop);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_logo);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchForm);
    layout->addWidget(m_results, 1);
    layout->addLayout(statusRow);
    layout->addLayout(bottom);

    connect(m_source, &QComboBox::currentIndexChanged, this, &CDialogCoverSearch::chooseSource);
    connect(m_search, &QPushButton::clicked, this, &CDialogCoverSearch::search);
    connect(m_keywords, &QLineEdit::returnPressed, this, &CDialogCoverSearch::search);
    connect(m_first, &QToolButton::clicked, this, [this] { showItem(1); });
    connect(m_previous, &QToolButton::clicked, this, [this] {
        if (m_item > 1) {
            showItem(m_item - 1);
        }
    });
    connect(m_next, &QToolButton::clicked, this, [this] {
        if (m_item < m_total) {
            showItem(m_item + 1);
        }
    });
    connect(m_last, &QToolButton::clicked, this, [this] { showItem(m_total); });
    connect(m_more, &QPushButton::clicked, this, &CDialogCoverSearch::findOutMore);
    connect(m_logo, &QPushButton::clicked, this, &CDialogCoverSearch::openHomePage);
    connect(m_stop, &QPushButton::clicked, this, &CDialogCoverSearch::stop);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogCoverSearch::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogCoverSearch::reject);
    resize(560, 420);
}

std::shared_ptr<const CoverSource> CDialogCoverSearch::currentSource() const {
    return m_services.sources.at(static_cast<std::size_t>(std::max(0, m_source->currentIndex())))
        .source;
}

CoverQuery CDialogCoverSearch::query() const {
    const bool byToc = m_byToc->isVisible() && m_byToc->isChecked();
    return {fromQt(m_keywords->text()), fromQt(m_mode->currentText()),
            byToc ? m_mediaTag : std::string()};
}

void CDialogCoverSearch::chooseSource() {
    // Only a source that looks discs up by their table of contents records prices and modes
    // of its own; the others search music by keywords.
    const bool keywordsOnly = m_source->currentIndex() > 0;
    m_mode->setEnabled(!keywordsOnly);
    if (keywordsOnly) {
        m_mode->setCurrentIndex(0);
    }
    m_byToc->setVisible(keywordsOnly && !m_mediaTag.empty());
}

void CDialogCoverSearch::search() {
    m_query = query();
    m_page = 0;
    m_items.clear();
    m_total = 0;
    loadPage(1, 1);
}

void CDialogCoverSearch::showItem(int item) {
    if (item < 1 || (m_total > 0 && item > m_total) || m_request->running()) {
        return;
    }
    const int page = coverPageOf(item);
    if (page != m_page) {
        loadPage(page, item);
        return;
    }
    const std::size_t place = static_cast<std::size_t>(coverPlaceOnPage(item)) - 1;
    if (place >= m_items.size()) {
        return;
    }
    m_item = item;
    displayItem(m_items[place]);
    loadThumbnail(m_items[place]);
}

void CDialogCoverSearch::loadPage(int page, int item) {
    m_status->setText(QStringLiteral("Loading ..."));
    setWorking(true);
    auto outcome = std::make_shared<CoverPageOutcome>();
    m_request->start(
        [http = m_services.http, source = currentSource(), query = m_query, page,
         outcome](const std::atomic<bool>& cancelled) {
            const std::unique_ptr<HttpClient> client = http(cancelled);
            *outcome = source->fetchPage(*client, query, page);
        },
        [this, outcome, page, item] {
            setWorking(false);
            if (!outcome->error.empty()) {
                m_status->clear();
                m_services.prompt.message(outcome->error, MessageIcon::Warning);
                return;
            }
            m_page = page;
            m_total = outcome->total;
            m_items = std::move(outcome->items);
            m_results->setTitle(toQt(outcome->title));
            if (m_items.empty()) {
                m_status->setText(QStringLiteral("Nothing found."));
                return;
            }
            showItem(item);
        });
}

void CDialogCoverSearch::displayItem(const CoverItem& item) {
    m_current = item;
    m_productName->setText(toQt(item.productName));
    m_catalog->setText(toQt(item.catalog));
    m_releaseDate->setText(toQt(item.releaseDate));
    m_newPrice->setText(toQt(item.newPrice));
    m_usedPrice->setText(toQt(item.usedPrice));
    m_people->clear();
    for (const std::string& person : item.people) {
        new QTreeWidgetItem(m_people, {toQt(person)});
    }
    m_thumbnail->clear();
    setStatusLine();
}

void CDialogCoverSearch::setStatusLine() {
    m_status->setText(QString::asprintf("%d of %d page: %d", m_item, m_total, m_page));
}

void CDialogCoverSearch::loadThumbnail(const CoverItem& item) {
    m_status->setText(QStringLiteral("Loading ..."));
    setWorking(true);
    auto outcome = std::make_shared<CoverPictureOutcome>();
    m_request->start(
        [http = m_services.http, source = currentSource(), item,
         outcome](const std::atomic<bool>& cancelled) {
            const std::unique_ptr<HttpClient> client = http(cancelled);
            *outcome = source->fetchPicture(*client, item, false);
        },
        [this, outcome] {
            setWorking(false);
            setStatusLine();
            QPixmap picture;
            if (outcome->error.empty() &&
                picture.loadFromData(outcome->bytes.data(),
                                     static_cast<unsigned int>(outcome->bytes.size()))) {
                m_thumbnail->setPixmap(picture.scaled(m_thumbnail->size() - QSize(4, 4),
                                                      Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation));
            } else {
                m_thumbnail->setText(QStringLiteral("No picture"));
            }
        });
}

void CDialogCoverSearch::save() {
    if (!m_current) {
        return;
    }
    m_status->setText(QStringLiteral("Loading ..."));
    setWorking(true);
    auto outcome = std::make_shared<CoverPictureOutcome>();
    m_request->start(
        [http = m_services.http, source = currentSource(), item = *m_current,
         outcome](const std::atomic<bool>& cancelled) {
            const std::unique_ptr<HttpClient> client = http(cancelled);
            *outcome = source->fetchPicture(*client, item, true);
        },
        [this, outcome] {
            setWorking(false);
            if (!outcome->error.empty()) {
                setStatusLine();
                m_services.prompt.message(outcome->error, MessageIcon::Warning);
                return;
            }
            m_picture = std::move(outcome->bytes);
            accept();
        });
}

PriceBlock CDialogCoverSearch::priceBlock(const std::string& date) const {
    const CoverItem item = m_current.value_or(CoverItem{});
    return {date, item.newPrice, item.usedPrice, item.asin, currentSource()->savedMode(m_query)};
}

void CDialogCoverSearch::findOutMore() {
    if (!m_current || m_current->detailsUrl.empty() ||
        m_services.shell.open(m_current->detailsUrl)) {
        return;
    }
    auto* browser = new QTextBrowser(this);
    browser->setWindowFlag(Qt::Window);
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setOpenExternalLinks(false);
    browser->setHtml(QStringLiteral("<p><a href=\"%1\">%1</a></p>")
                         .arg(toQt(m_current->detailsUrl).toHtmlEscaped()));
    browser->setGeometry(215, 200, 600, 400);
    browser->show();
}

void CDialogCoverSearch::openHomePage() {
    if (!m_services.homePage.empty()) {
        m_services.shell.open(m_services.homePage);
    }
}

void CDialogCoverSearch::onTimedOut() {
    setWorking(false);
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(m_services.timeout).count();
    const std::string message = "The server did not answer within " + std::to_string(seconds) +
                                (seconds == 1 ? " second." : " seconds.");
    m_status->setText(toQt(message));
    m_services.prompt.message(message, MessageIcon::Warning);
}

void CDialogCoverSearch::stop() {
    m_request->cancel();
    setWorking(false);
    m_status->setText(QStringLiteral("Stopped."));
}

void CDialogCoverSearch::setWorking(bool working) {
    m_stop->setVisible(working);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_search, m_first, m_previous, m_next,
                                                           m_last, m_save, m_source}) {
        widget->setEnabled(!working);
    }
    m_save->setEnabled(!working && m_current.has_value());
}

}  // namespace vorlix
