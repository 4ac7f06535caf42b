#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlix {

class CQX2Doc;
class UserPrompt;

inline constexpr std::string_view kInvalidNumberMessage = "Please, type a valid number.";
inline constexpr std::string_view kNoDiscWithNumberMessage =
    "There is no disc with this number, please enter a valid number.";

// The commands panel's Change number and Show CD, on the document's catalogue. Both do nothing
// while the catalogue holds no disc.
class DiscNumberActions {
public:
    DiscNumberActions(CQX2Doc& document, UserPrompt& prompt);

    // Owner only. Hands the panel's "CD Number" and "CD Name" texts to the disc tree's rename,
    // which renames the current disc and gives it the number unless another disc has it.
    void changeNumber(const std::string& numberText, const std::string& nameText);
    // Selects the disc numbered findNumber in the disc tree; a user who does not own the
    // catalogue finds shared discs only.
    void showDisc(std::int32_t findNumber);

private:
    CQX2Doc& m_document;
    UserPrompt& m_prompt;
};

}  // namespace vorlix
