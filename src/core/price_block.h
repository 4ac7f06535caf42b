#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// The price lookup's data as the disc information record keeps it: the price element with its
// date and two prices, then the product identifier and the search mode.
struct PriceBlock {
    std::string date;  // "March 05, 2004"
    std::string newPrice;
    std::string usedPrice;
    std::string asin;
    std::string mode;  // "music", "classical", "dvd" or "software"
};

// The record with the block stored: a block already there is replaced in the text from its
// "<price" to the "</mode>" after its "</ASIN>", values inserted as they are; otherwise the
// elements are appended as the last children of info, escaped. nullopt for a record without an
// info root, or whose old block cannot be found whole, which stays as it is.
std::optional<std::string> storePriceBlock(std::string_view record, const PriceBlock& block);

// "%B %d, %Y" with English month names: "March 05, 2004".
std::string priceDate(int year, int month, int day);
// Today's local date in that form.
std::string todaysPriceDate();

}  // namespace vorlix
