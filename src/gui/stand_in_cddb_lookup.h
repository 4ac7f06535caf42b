#pragma once

#include "online/cddb_lookup.h"

namespace vorlix {

class UserPrompt;

// Takes the place of the freedb lookup dialog until it arrives: it says so and looks nothing up.
class StandInCddbLookup final : public CddbLookup {
public:
    explicit StandInCddbLookup(UserPrompt& prompt) : m_prompt(prompt) {}

    std::optional<CddbLookupResult> run(CQXCatalog& catalogue, const std::string& number,
                                        const std::string& name) override;

private:
    UserPrompt& m_prompt;
};

}  // namespace vorlix
