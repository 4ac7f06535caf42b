#include "core/price_block.h"

#include <array>
#include <cstdio>
#include <ctime>

#include "core/xml_navigator.h"

namespace vorlix {

namespace {

std::string replacementText(const PriceBlock& block) {
    return "<price date=\"" + block.date + "\">\r\n<new>" + block.newPrice + "</new>\r\n<used>" +
           block.usedPrice + "</used>\r\n</price>\r\n<ASIN>" + block.asin + "</ASIN>\r\n<mode>" +
           block.mode + "</mode>";
}

std::optional<std::string> replaceBlock(std::string_view record, const PriceBlock& block) {
    constexpr std::string_view kModeEnd = "</mode>";
    const std::size_t start = record.find("<price");
    const std::size_t asinEnd = record.find("</ASIN>", start);
    const std::size_t modeEnd =
        asinEnd == std::string_view::npos ? asinEnd : record.find(kModeEnd, asinEnd);
    if (start == std::string_view::npos || modeEnd == std::string_view::npos) {
        return std::nullopt;
    }
    std::string text(record);
    text.replace(start, modeEnd + kModeEnd.size() - start, replacementText(block));
    return text;
}

std::optional<std::string> appendBlock(CXmlNavigator& navigator, const PriceBlock& block) {
    const bool added =
        navigator.addChildElem("price") && navigator.intoElem() &&
        navigator.setAttrib("date", block.date) && navigator.addChildElem("new", block.newPrice) &&
        navigator.addChildElem("used", block.usedPrice) && navigator.outOfElem() &&
        navigator.addChildElem("ASIN", block.asin) && navigator.addChildElem("mode", block.mode);
    return added ? std::optional<std::string>(navigator.getDoc()) : std::nullopt;
}

}  // namespace

std::optional<std::string> storePriceBlock(std::string_view record, const PriceBlock& block) {
    CXmlNavigator navigator;
    navigator.setDoc(record);
    if (!navigator.findElem("info")) {
        return std::nullopt;
    }
    if (navigator.findChildElem("price")) {
        return replaceBlock(record, block);
    }
    while (navigator.findChildElem()) {
    }
    return appendBlock(navigator, block);
}

std::string priceDate(int year, int month, int day) {
    static constexpr std::array<const char*, 12> kMonths{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    char text[48];
    std::snprintf(text, sizeof text, "%s %02d, %04d", kMonths[(month - 1) % 12], day, year);
    return text;
}

std::string todaysPriceDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return priceDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace vorlix
