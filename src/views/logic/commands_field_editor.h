#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

class CQX2Doc;
class UserPrompt;

inline constexpr std::string_view kLoadCatalogueFirstMessage = "Load a cd database first.";
inline constexpr std::string_view kProvideNumberMessage = "Please, provide a number.";

// Whether every character of the text is a decimal digit; the empty text is a number too.
bool isDecimalNumber(std::string_view text);

// What editing the commands panel's disc fields does: each edit names what Enter runs next,
// the disc name follows every keystroke into the catalogue and the tree, and the artist and
// quality go into the catalogue at once or when "Save notes" asks. Edits made by the program
// itself (showing a disc) are no edits.
class CommandsFieldEditor {
public:
    CommandsFieldEditor(CQX2Doc& document, UserPrompt& prompt);

    // "CD Number" edited. Returns the text the field must show instead, when it must not keep
    // what was typed: empty while the catalogue has no disc, the current disc's number again for
    // a text that is not a number. Either is told to the user.
    std::optional<std::string> numberEdited(const std::string& text);
    // "CD Name" edited: the owner's rename of the current disc, to the name and (when it is new
    // and free) the number the fields hold.
    void nameEdited(const std::string& number, const std::string& name);
    // The find box's number edited.
    void findNumberEdited();
    // "CD Artist" or "CD Quality" edited; with storeAtOnce the texts are stored as they are typed.
    void detailsEdited(const std::string& artist, const std::string& quality, bool storeAtOnce);
    // Stores the artist and quality into the catalogue disc of the current disc, which is then
    // made current again; false when no disc of the catalogue has its number.
    bool storeDetails(const std::string& artist, const std::string& quality);

private:
    CQX2Doc& m_document;
    UserPrompt& m_prompt;
};

}  // namespace vorlix
