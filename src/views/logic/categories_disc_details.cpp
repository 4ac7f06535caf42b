#include "views/logic/categories_disc_details.h"

#include "core/disc_info.h"

namespace vorlix {

namespace {

std::string priceText(std::string price) {
    return price.empty() ? std::string(kNoPrice) : price;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    std::size_t start = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos;
         found = text.find(from, start)) {
        result.append(text.substr(start, found - start)).append(to);
        start = found + from.size();
    }
    return result.append(text.substr(start));
}

}  // namespace

DiscDetails discDetails(std::string_view infoRecord) {
    disc_info::PriceData price = disc_info::readPriceData(infoRecord);
    return {disc_info::readNotes(infoRecord), priceText(std::move(price.newPrice)),
            priceText(std::move(price.usedPrice)), disc_info::hasPortraitCover(infoRecord)};
}

std::string notesForEditing(std::string_view notes) {
    return replaceAll(notes, "\r\n", "\n");
}

std::string notesForRecord(std::string_view edited) {
    return replaceAll(notesForEditing(edited), "\n", "\r\n");
}

}  // namespace vorlix
