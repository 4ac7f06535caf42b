#include "online/ui/dialog_cd_info.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/document_services.h"
#include "app/ui/qt_text.h"
#include "core/disc.h"
#include "core/disc_info.h"
#include "core/user_prompt.h"
#include "online/cover_search_reply.h"
#include "online/cover_service_source.h"
#include "online/cover_source.h"
#include "online/ui/background_request.h"
#include "platform/http_client.h"

namespace vorlix {

namespace {

constexpr int kPictureHeight = 250;
constexpr int kPortraitWidth = 200;
constexpr int kLandscapeWidth = 260;
constexpr int kCategoriesWidth = 150;

QLabel* field(QFormLayout* form, const QString& label, const QString& name) {
    auto* value = new QLabel;
    value->setObjectName(name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(label, value);
    return value;
}

QString priceText(const std::string& price) {
    return price.empty() ? QStringLiteral("N/A") : toQt(price);
}

}  // namespace

CDialogCdInfo::CDialogCdInfo(CdInfoServices services, QWidget* parent)
    : QDialog(parent),
      m_services(std::move(services)),
      m_request(new BackgroundRequest(m_services.timeout, this)) {
    setWindowTitle(QStringLiteral("CD Info"));
    QPixmap noImage(toQt(m_services.noImagePicture));
    m_noImage = noImage.isNull() ? QPixmap()
                                 : noImage.scaled(kLandscapeWidth, kPictureHeight,
                                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    buildWidgets();
    connect(m_request, &BackgroundRequest::timedOut, this, [this] {
        m_availability->setEnabled(true);
        m_services.prompt.message("The server did not answer in time.", MessageIcon::Warning);
    });
}

CDialogCdInfo::~CDialogCdInfo() = default;

void CDialogCdInfo::buildWidgets() {
    m_categories = new QTreeWidget;
    m_categories->setObjectName(QStringLiteral("categories"));
    m_categories->setHeaderLabels({QStringLiteral("CD Categories")});
    m_categories->setRootIsDecorated(false);
    m_categories->header()->setStretchLastSection(false);
    m_categories->setColumnWidth(0, kCategoriesWidth);
    m_categories->setFixedWidth(kCategoriesWidth + 4);
    m_categories->header()->setSectionsClickable(true);
    connect(m_categories->header(), &QHeaderView::sectionClicked, this,
            &CDialogCdInfo::toggleCategoryOrder);

    auto* form = new QFormLayout;
    m_name = field(form, QStringLiteral("Name:"), QStringLiteral("name"));
    m_number = field(form, QStringLiteral("Number:"), QStringLiteral("number"));
    m_location = field(form, QStringLiteral("Location:"), QStringLiteral("location"));
    m_savedAt = field(form, QStringLiteral("Saved at:"), QStringLiteral("savedAt"));
    m_lendDate = field(form, QStringLiteral("Lend date:"), QStringLiteral("lendDate"));
    m_quality = field(form, QStringLiteral("Quality:"), QStringLiteral("quality"));
    m_fileCount = field(form, QStringLiteral("Files:"), QStringLiteral("fileCount"));
    m_size = field(form, QStringLiteral("Size:"), QStringLiteral("size"));
    m_shared = field(form, QStringLiteral("Shared:"), QStringLiteral("shared"));

    m_notes = new QPlainTextEdit;
    m_notes->setObjectName(QStringLiteral("notes"));
    m_notes->setReadOnly(true);
    m_notes->setMaximumHeight(70);

    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("picture"));
    m_picture->setFixedSize(kLandscapeWidth, kPictureHeight);
    m_picture->setAlignment(Qt::AlignCenter);

    m_price = new QGroupBox(QStringLiteral("Current Price Info: "));
    m_price->setObjectName(QStringLiteral("price"));
    auto* priceForm = new QFormLayout(m_price);
    m_newPrice = field(priceForm, QStringLiteral("New:"), QStringLiteral("newPrice"));
    m_usedPrice = field(priceForm, QStringLiteral("Used:"), QStringLiteral("usedPrice"));
    m_asinLabel = field(priceForm, QStringLiteral("ASIN:"), QStringLiteral("asin"));
    m_availability = new QPushButton(QStringLiteral("Availabillity"));
    m_availability->setObjectName(QStringLiteral("availability"));
    priceForm->addRow(m_availability);
    connect(m_availability, &QPushButton::clicked, this, &CDialogCdInfo::askAvailability);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogCdInfo::hide);

    auto* details = new QVBoxLayout;
    details->addLayout(form);
    details->addWidget(m_notes);
    auto* top = new QHBoxLayout;
    top->addWidget(m_categories);
    top->addLayout(details, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(m_picture);
    right->addWidget(m_price);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buttons);
    setFixedWidth(kCdInfoWidth);
}

void CDialogCdInfo::fill(const CQXDisc& disc, const ByteArray* cover) {
    m_categories->clear();
    for (const std::string_view category : disc.categories()) {
        m_categories->insertTopLevelItem(0, new QTreeWidgetItem({toQt(category)}));
    }
    m_name->setText(toQt(disc.name()));
    m_number->setText(toQt(disc.number()));
    m_location->setText(toQt(disc.location()));
    m_savedAt->setText(toQt(disc.date()));
    m_lendDate->setText(toQt(disc.lendDate()));
    m_quality->setText(toQt(disc.quality()));
    m_fileCount->setText(QString::number(disc.files.size()));
    m_size->setText(toQt(disc.size()));
    const bool shared = disc.shared() == "Yes";
    m_shared->setPixmap(
        style()
            ->standardIcon(shared ? QStyle::SP_DialogYesButton : QStyle::SP_DialogNoButton)
            .pixmap(16, 16));
    m_shared->setToolTip(shared ? QStringLiteral("Yes") : QStringLiteral("No"));
    m_notes->setPlainText(toQt(disc_info::readNotes(disc.info())));
    showPicture(disc, cover);
    showPrice(std::string(disc.info()));
}

void CDialogCdInfo::showPicture(const CQXDisc& disc, const ByteArray* cover) {
    QPixmap picture;
    if (cover != nullptr &&
        picture.loadFromData(cover->bytes.data(), static_cast<unsigned int>(cover->bytes.size()))) {
        setFixedWidth(kCdInfoWidthWithCover);
        if (picture.width() > kPictureHeight) {
            const int width =
                disc_info::hasPortraitCover(disc.info()) ? kPortraitWidth : kLandscapeWidth;
            picture = picture.scaled(width, kPictureHeight, Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
        }
        m_picture->setPixmap(picture);
        return;
    }
    setFixedWidth(kCdInfoWidth);
    m_picture->setPixmap(m_noImage);
}

void CDialogCdInfo::showPrice(const std::string& record) {
    const disc_info::PriceData price = disc_info::readPriceData(record);
    m_price->setTitle(QStringLiteral("Current Price Info: ") + toQt(price.date));
    m_newPrice->setText(priceText(price.newPrice));
    m_usedPrice->setText(priceText(price.usedPrice));
    m_asinLabel->setText(toQt(price.asin));
    m_asin = price.asin;
}

void CDialogCdInfo::toggleCategoryOrder() {
    const Qt::SortOrder order = m_categories->header()->sortIndicatorOrder() == Qt::AscendingOrder
                                    ? Qt::DescendingOrder
                                    : Qt::AscendingOrder;
    m_categories->sortItems(0, order);
    m_categories->header()->setSortIndicator(0, order);
}

void CDialogCdInfo::askAvailability() {
    const CoverServiceConfig service = coverServiceFromSettings(m_services.settings);
    if (!service.configured()) {
        m_services.prompt.message(kCoverServiceNotConfigured, MessageIcon::Warning);
        return;
    }
    m_availability->setEnabled(false);
    auto fetched = std::make_shared<FetchedBody>();
    m_request->start(
        [http = m_services.http, url = coverAsinUrl(service, m_asin),
         fetched](const std::atomic<bool>& cancelled) {
            const std::unique_ptr<HttpClient> client = http(cancelled);
            *fetched = fetchBody(*client, url);
        },
        [this, fetched] {
            m_availability->setEnabled(true);
            if (!fetched->error.empty()) {
                m_services.prompt.message(fetched->error, MessageIcon::Warning);
                return;
            }
            const CoverAvailability found = coverAvailabilityOf(fetched->body);
            if (!found.found) {
                m_services.prompt.message(kItemNotFoundMessage);
                return;
            }
            if (!found.availability) {
                m_services.prompt.message(kNoAvailabilityMessage);
                return;
            }
            const Answer answer =
                m_services.prompt.ask(*found.availability + std::string(kLearnMoreQuestion),
                                      Buttons::YesNo, MessageIcon::Information);
            if (answer == Answer::Yes && !m_services.shell.open(found.detailsUrl)) {
                m_services.prompt.message(kSiteNotOpenedMessage, MessageIcon::Stop);
            }
        });
}

}  // namespace vorlix
