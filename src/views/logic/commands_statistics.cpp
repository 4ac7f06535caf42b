#include "views/logic/commands_statistics.h"

#include "core/catalog.h"

namespace vorlix {

std::optional<CatalogueStatistics> catalogueStatistics(const CQXCatalog& catalogue) {
    if (catalogue.discs.empty()) {
        return std::nullopt;
    }
    std::size_t shared = 0;
    std::size_t files = 0;
    for (const auto& disc : catalogue.discs) {
        shared += disc->shared() == "Yes" ? 1 : 0;
        files += disc->files.size();
    }
    return CatalogueStatistics{std::string(catalogue.discs.front()->ownerName()),
                               std::to_string(shared), std::to_string(files)};
}

DiscCountTexts discCountTexts(const CQXCatalog& catalogue) {
    return {
        std::to_string(catalogue.discs.size()),
        catalogue.discs.empty() ? std::string() : std::string(catalogue.discs.back()->number())};
}

}  // namespace vorlix
