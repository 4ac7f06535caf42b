#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

inline constexpr int kCoverItemsPerPage = 10;
inline constexpr std::string_view kNoManufacturerMessage = "No manufacturer found.";

// One product of a keyword search's reply, with the defaults the dialog shows for what is
// missing.
struct CoverItem {
    std::string detailsUrl;
    // The source's own key of the item, for sources that find pictures by it.
    std::string sourceId;
    std::string asin;
    std::string productName;
    std::string catalog = "N/A";
    // Artists for music, newest row first as the dialog lists them; the manufacturer for DVDs
    // and software.
    std::vector<std::string> people;
    std::string releaseDate = "N/A";
    std::string mediumImageUrl;
    std::string largeImageUrl;
    std::string newPrice = "N/A";
    std::string usedPrice = "N/A";
};

// The page that holds item n (from 1), and the item's place on it (from 1).
int coverPageOf(int item);
int coverPlaceOnPage(int item);

// TotalResults of the reply's root, 0 when missing.
int coverTotalResults(std::string_view reply);
// "Results: 37 Items Found".
std::string coverResultsTitle(std::string_view reply);

// The place-th Details element of the reply's root; nullopt when there is none. A DVD or
// software item without a manufacturer carries the message that says so as its one row.
std::optional<CoverItem> coverItemAt(std::string_view reply, int place, std::string_view mode);

// What an availability request found.
struct CoverAvailability {
    bool found = false;  // a Details element is there
    std::string detailsUrl;
    std::optional<std::string> availability;
};

CoverAvailability coverAvailabilityOf(std::string_view reply);

}  // namespace vorlix
