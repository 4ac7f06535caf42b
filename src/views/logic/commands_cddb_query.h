#pragma once

#include <string_view>

namespace vorlix {

class CddbLookup;
class CQX2Doc;
class CQXDisc;
class UserPrompt;
struct CddbLookupResult;

inline constexpr std::string_view kSelectAudioCdMessage = "Please, select an audio CD.";

// "CDDB query": the owner looks up the current disc, which must be an audio CD, in freedb. The
// lookup writes into the catalogue; afterwards every disc it changed is selected in the tree
// in turn and shown by the panes, with its new name in the tree and the categories it gained.
// The commands panel shows the current disc again when it is done.
class CddbQuery {
public:
    CddbQuery(CQX2Doc& document, UserPrompt& prompt, CddbLookup& lookup);

    void run();

private:
    void showBatch(const CddbLookupResult& result);
    void showSingle(const CddbLookupResult& result);
    // The file list and the categories panel for the disc now current.
    void showCurrentDisc(bool categoriesChanged);
    void refillAllCategories();

    CQX2Doc& m_document;
    UserPrompt& m_prompt;
    CddbLookup& m_lookup;
};

}  // namespace vorlix
