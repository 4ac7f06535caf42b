#pragma once

#include <QDialog>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/price_block.h"
#include "online/cover_source.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace vorlix {

class BackgroundRequest;
class HttpClient;
class ShellOpener;
class UserPrompt;

// A source the dialog offers, by the name it shows.
struct NamedCoverSource {
    std::string name;
    std::shared_ptr<const CoverSource> source;
};

// What the cover dialog needs besides the disc.
struct CoverDialogServices {
    UserPrompt& prompt;
    ShellOpener& shell;
    std::vector<NamedCoverSource> sources;
    std::string homePage;  // opened by the service logo
    // The client for one request, stopped by the flag; runs on a worker.
    std::function<std::unique_ptr<HttpClient>(const std::atomic<bool>& cancelled)> http;
    std::chrono::milliseconds timeout{15'000};
};

// "Retrieve a CD/DVD Cover": searches a source for products, pages through them ten to a
// request, shows each with its thumbnail and keeps the chosen one's large picture on Save.
class CDialogCoverSearch final : public QDialog {
    Q_OBJECT

public:
    // mediaTag: the disc's when it is an audio CD, for sources that look discs up by it.
    CDialogCoverSearch(std::string keywords, std::string mediaTag, CoverDialogServices services,
                       QWidget* parent = nullptr);
    ~CDialogCoverSearch() override;

    // After Save: the large picture's bytes and the block for the information record.
    const std::vector<std::uint8_t>& picture() const { return m_picture; }
    PriceBlock priceBlock(const std::string& date) const;

    int currentItem() const { return m_item; }
    int total() const { return m_total; }

private:
    void buildWidgets(const std::string& keywords);
    void search();
    void showItem(int item);
    void loadPage(int page, int item);
    void displayItem(const CoverItem& item);
    void loadThumbnail(const CoverItem& item);
    void save();
    void findOutMore();
    void openHomePage();
    void onTimedOut();
    void stop();
    void chooseSource();
    void setWorking(bool working);
    void setStatusLine();
    std::shared_ptr<const CoverSource> currentSource() const;
    CoverQuery query() const;

    std::string m_mediaTag;
    CoverDialogServices m_services;
    CoverQuery m_query;
    int m_page = 0;
    int m_item = 0;
    int m_total = 0;
    std::vector<CoverItem> m_items;
    std::optional<CoverItem> m_current;
    std::vector<std::uint8_t> m_picture;

    BackgroundRequest* m_request;
    QComboBox* m_source;
    QLineEdit* m_keywords;
    QComboBox* m_mode;
    QCheckBox* m_byToc;
    QPushButton* m_search;
    QGroupBox* m_results;
    QLabel* m_productName;
    QLabel* m_catalog;
    QLabel* m_releaseDate;
    QLabel* m_newPrice;
    QLabel* m_usedPrice;
    QTreeWidget* m_people;
    QLabel* m_thumbnail;
    QToolButton* m_first;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_last;
    QPushButton* m_more;
    QPushButton* m_logo;
    QLabel* m_status;
    QPushButton* m_stop;
    QPushButton* m_save;
};

}  // namespace vorlix
