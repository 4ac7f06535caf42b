#include "views/logic/disc_tree_renumber.h"

#include <optional>

#include "core/catalog.h"
#include "views/logic/disc_tree_covers.h"
#include "views/logic/disc_tree_names.h"

namespace vorlix {

namespace {

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (auto pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos)) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
}

std::optional<ByteArray> coverOf(const CQXCatalog& catalogue, const std::string& number) {
    const NamedObject* cover = catalogue.named.find(coverKey(number));
    if (cover == nullptr || !std::holds_alternative<ByteArray>(*cover)) {
        return std::nullopt;
    }
    return std::get<ByteArray>(*cover);
}

void renumberOnlyDisc(CQXDisc& disc, const std::string& newNumber) {
    std::string outline(disc.outline());
    replaceAll(outline, discItemText(disc.number(), disc.name()),
               discItemText(newNumber, disc.name()));
    disc.setOutline(outline);
    disc.setNumber(newNumber);
}

}  // namespace

Renumbering renumberCatalogueDisc(CQXCatalog& catalogue, const std::string& oldNumber,
                                  const std::string& newNumber, UserPrompt& prompt) {
    CQXDisc* disc = catalogue.findDisc(oldNumber);
    if (disc == nullptr || newNumber.empty() || newNumber == oldNumber ||
        catalogue.discExists(newNumber)) {
        return {};
    }
    std::optional<ByteArray> cover = coverOf(catalogue, oldNumber);
    if (catalogue.discs.size() == 1) {
        renumberOnlyDisc(*disc, newNumber);
        catalogue.named.set(coverKey(newNumber), cover.value_or(ByteArray{}));
        return {Renumbering::Kind::Renamed, {}};
    }
    std::string predecessor = catalogue.renumberDisc(oldNumber, newNumber, prompt);
    if (cover) {
        catalogue.named.set(coverKey(newNumber), std::move(*cover));
    } else {
        removeCover(catalogue, newNumber);
    }
    return {Renumbering::Kind::Moved, std::move(predecessor)};
}

}  // namespace vorlix
