#include "online/cddb_batch.h"

#include "core/catalog.h"
#include "core/disc_info.h"
#include "core/user_prompt.h"

namespace vorlix {

std::vector<std::string> unprocessedAudioDiscs(const CQXCatalog& catalogue) {
    std::vector<std::string> numbers;
    for (const auto& disc : catalogue.discs) {
        const disc_info::ChildValue state = disc_info::readFreedbState(disc->info());
        if (state.exists && state.value == "no") {
            numbers.push_back(std::string(disc->number()));
        }
    }
    return numbers;
}

std::string invalidMediaTagLine(std::string_view number) {
    return "CD " + std::string(number) + ": Invalid media tag\r\n";
}

std::optional<std::string> openingMediaTag(const CQXCatalog* catalogue, std::string_view number,
                                           UserPrompt& prompt) {
    if (catalogue == nullptr) {
        prompt.message(kLookupAbortedMessage);
        return std::nullopt;
    }
    const CQXDisc* disc = catalogue->findDisc(number);
    const disc_info::ChildValue tag =
        disc == nullptr ? disc_info::ChildValue{} : disc_info::readMediaTag(disc->info());
    if (!tag.exists) {
        prompt.message(kNoMediaTagMessage);
        return std::nullopt;
    }
    return tag.value;
}

}  // namespace vorlix
