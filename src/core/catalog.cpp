#include "core/catalog.h"

#include <algorithm>
#include <charconv>

#include "core/numbers.h"
#include "core/user_prompt.h"

namespace vorlix {

namespace {

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) {
        return;
    }
    for (auto pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos)) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
}

// The value a number text stands for when it is exactly the "%d" form of a value, as the
// nearest-lower search compares by text.
bool canonicalValue(std::string_view text, std::int64_t& value) {
    if (text.empty()) {
        return false;
    }
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && decimalText(value) == text;
}

}  // namespace

std::vector<std::unique_ptr<CQXDisc>>::iterator CQXCatalog::position(std::string_view number) {
    return std::find_if(discs.begin(), discs.end(),
                        [number](const auto& disc) { return disc->number() == number; });
}

CQXDisc* CQXCatalog::findDisc(std::string_view number) const {
    for (const auto& disc : discs) {
        if (disc->number() == number) {
            return disc.get();
        }
    }
    return nullptr;
}

void CQXCatalog::appendDisc(std::unique_ptr<CQXDisc> disc) {
    discs.push_back(std::move(disc));
}

void CQXCatalog::removeDisc(std::string_view number) {
    const auto it = position(number);
    if (it != discs.end()) {
        discs.erase(it);
    }
}

void CQXCatalog::renameDisc(std::string_view number, const std::string& newName) {
    if (CQXDisc* disc = findDisc(number)) {
        disc->setOutline(outlineWithName(std::string(disc->outline()), newName));
        disc->setName(newName);
    }
}

std::string CQXCatalog::renumberDisc(std::string_view oldNumber, const std::string& newNumber,
                                     UserPrompt& prompt) {
    const auto it = position(oldNumber);
    if (it == discs.end()) {
        return "0";
    }
    if (discExists(newNumber)) {
        prompt.message(kSameNumberMessage);
        return "0";
    }
    std::unique_ptr<CQXDisc> disc = std::move(*it);
    discs.erase(it);
    std::string outline(disc->outline());
    replaceAll(outline, std::string(oldNumber) + " " + std::string(disc->name()),
               newNumber + " " + std::string(disc->name()));
    disc->setOutline(outline);
    disc->setNumber(newNumber);

    // Counting down from the new value one by one and looking each "%d" text up is the rule;
    // choosing the largest canonical number below it gives the same disc without a loop that
    // could run two billion times.
    const std::int64_t value = leadingInt(newNumber);
    auto after = discs.end();
    std::int64_t best = -1;
    if (value > 0) {
        for (auto candidate = discs.begin(); candidate != discs.end(); ++candidate) {
            std::int64_t v = 0;
            if (canonicalValue((*candidate)->number(), v) && v >= 0 && v < value && v > best) {
                best = v;
                after = candidate;
            }
        }
    }
    if (after == discs.end()) {
        discs.insert(discs.begin(), std::move(disc));
        return "0";
    }
    std::string found((*after)->number());
    discs.insert(after + 1, std::move(disc));
    return found;
}

void CQXCatalog::setDiscDetails(std::string_view number, std::string artist, std::string quality,
                                std::string info) {
    if (CQXDisc* disc = findDisc(number)) {
        disc->setArtist(std::move(artist));
        disc->setQuality(std::move(quality));
        disc->setInfo(std::move(info));
    }
}

void CQXCatalog::addDefaultNamedObjects() {
    if (!named.empty()) {
        return;
    }
    named.set("SearchCombo", StringList{});
    named.set("LendCombo", StringList{});
    StringMap cddb;
    cddb.set("active", std::string(kDefaultFreedbServer));
    named.set("CDDB", std::move(cddb));
}

}  // namespace vorlix
