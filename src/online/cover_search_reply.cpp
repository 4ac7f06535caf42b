#include "online/cover_search_reply.h"

#include <charconv>

#include "core/xml_navigator.h"

namespace vorlix {

namespace {

// The navigator on the place-th Details child of the reply's root; false when there is none.
bool findDetails(CXmlNavigator& navigator, std::string_view reply, int place) {
    if (!navigator.setDoc(reply) || !navigator.findElem()) {
        return false;
    }
    for (int i = 0; i < place; ++i) {
        if (!navigator.findChildElem("Details")) {
            return false;
        }
    }
    return navigator.intoElem();
}

// The next child of that name after the last one found, or the fallback.
std::string nextChild(CXmlNavigator& navigator, std::string_view name,
                      const std::string& fallback) {
    return navigator.findChildElem(name) ? navigator.getChildData() : fallback;
}

std::vector<std::string> artistsOf(CXmlNavigator& navigator) {
    std::vector<std::string> artists;
    if (!navigator.findChildElem("Artists") || !navigator.intoElem()) {
        return artists;
    }
    while (navigator.findChildElem("Artist")) {
        artists.insert(artists.begin(), navigator.getChildData());
    }
    navigator.outOfElem();
    return artists;
}

}  // namespace

int coverPageOf(int item) {
    return (item - 1) / kCoverItemsPerPage + 1;
}

int coverPlaceOnPage(int item) {
    return (item - 1) % kCoverItemsPerPage + 1;
}

int coverTotalResults(std::string_view reply) {
    CXmlNavigator navigator;
    if (!navigator.setDoc(reply) || !navigator.findChildElem("TotalResults")) {
        return 0;
    }
    const std::string text = navigator.getChildData();
    int total = 0;
    std::from_chars(text.data(), text.data() + text.size(), total);
    return total;
}

std::string coverResultsTitle(std::string_view reply) {
    CXmlNavigator navigator;
    const std::string total = navigator.setDoc(reply) && navigator.findChildElem("TotalResults")
                                  ? navigator.getChildData()
                                  : std::string();
    return "Results: " + total + " Items Found";
}

std::optional<CoverItem> coverItemAt(std::string_view reply, int place, std::string_view mode) {
    CXmlNavigator navigator;
    if (!findDetails(navigator, reply, place)) {
        return std::nullopt;
    }
    CoverItem item;
    item.detailsUrl = navigator.getAttrib("url");
    item.asin = nextChild(navigator, "Asin", {});
    item.productName = nextChild(navigator, "ProductName", {});
    item.catalog = nextChild(navigator, "Catalog", "N/A");
    if (mode == "music" || mode == "classical") {
        item.people = artistsOf(navigator);
    } else {
        item.people = {nextChild(navigator, "Manufacturer", std::string(kNoManufacturerMessage))};
    }
    item.releaseDate = nextChild(navigator, "ReleaseDate", "N/A");
    item.mediumImageUrl = nextChild(navigator, "ImageUrlMedium", {});
    item.largeImageUrl = nextChild(navigator, "ImageUrlLarge", {});
    item.newPrice = nextChild(navigator, "OurPrice", "N/A");
    item.usedPrice = nextChild(navigator, "UsedPrice", "N/A");
    return item;
}

CoverAvailability coverAvailabilityOf(std::string_view reply) {
    CXmlNavigator navigator;
    CoverAvailability result;
    if (!findDetails(navigator, reply, 1)) {
        return result;
    }
    result.found = true;
    result.detailsUrl = navigator.getAttrib("url");
    if (navigator.findChildElem("Availability")) {
        result.availability = navigator.getChildData();
    }
    return result;
}

}  // namespace vorlix
