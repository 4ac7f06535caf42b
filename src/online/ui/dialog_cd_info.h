#pragma once

#include <QDialog>
#include <QPixmap>
#include <chrono>
#include <string>

#include "core/named_objects.h"
#include "online/cover_service_request.h"
#include "online/ui/cover_dialog_services.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace vorlix {

class BackgroundRequest;
class SettingsStore;
class ShellOpener;
class UserPrompt;
class CQXDisc;

inline constexpr int kCdInfoWidthWithCover = 535;
inline constexpr int kCdInfoWidth = 520;

struct CdInfoServices {
    const SettingsStore& settings;
    UserPrompt& prompt;
    ShellOpener& shell;
    HttpClientFactory http;
    std::string noImagePicture;  // the picture file shown for a disc without cover
    std::chrono::milliseconds timeout{15'000};
};

// "CD Info": what the catalogue knows of one disc, its cover and the price found with it. It
// is created once and hidden; showing it again refills it, and closing only hides it.
class CDialogCdInfo final : public QDialog {
    Q_OBJECT

public:
    explicit CDialogCdInfo(CdInfoServices services, QWidget* parent = nullptr);
    ~CDialogCdInfo() override;

    // cover: the entry stored under "CD" and the disc's number, if any.
    void fill(const CQXDisc& disc, const ByteArray* cover);

private:
    void buildWidgets();
    void showPicture(const CQXDisc& disc, const ByteArray* cover);
    void showPrice(const std::string& record);
    void askAvailability();
    void toggleCategoryOrder();

    CdInfoServices m_services;
    std::string m_asin;
    QPixmap m_noImage;
    BackgroundRequest* m_request;
    QTreeWidget* m_categories;
    QLabel* m_name;
    QLabel* m_number;
    QLabel* m_location;
    QLabel* m_savedAt;
    QLabel* m_lendDate;
    QLabel* m_quality;
    QLabel* m_fileCount;
    QLabel* m_size;
    QLabel* m_shared;
    QPlainTextEdit* m_notes;
    QLabel* m_picture;
    QGroupBox* m_price;
    QLabel* m_newPrice;
    QLabel* m_usedPrice;
    QLabel* m_asinLabel;
    QPushButton* m_availability;
};

// "Sorry, but the item could not be found." and the other answers of an availability request.
inline constexpr std::string_view kItemNotFoundMessage = "Sorry, but the item could not be found.";
inline constexpr std::string_view kNoAvailabilityMessage = "No data available.";
inline constexpr std::string_view kLearnMoreQuestion = "\n\n Would you like to learn more?";
inline constexpr std::string_view kSiteNotOpenedMessage = "Could not open the internet site.";

}  // namespace vorlix
