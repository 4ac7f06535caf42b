#pragma once

#include <string>
#include <string_view>

namespace vorlix {

class CQXCatalog;
class CodePage;
class UserPrompt;

inline constexpr std::string_view kFillAllFieldsMessage = "Please fill in all fields!";
inline constexpr std::string_view kFalseOwnerNameMessage = "The current owner name is false!";
inline constexpr std::string_view kFalseOwnerPasswordMessage = "The current password is false!";

// The texts of the Change Database Owner dialog's four fields.
struct OwnerFields {
    std::string currentName;
    std::string currentPassword;
    std::string newName;
    std::string newPassword;
};

// Hands a catalogue to another owner once the current owner's name and password are confirmed
// against its first disc. The caller has already checked that the catalogue holds discs and
// that the logged-in user owns it. The new owner need not be a local account.
class DatabaseOwnerChange {
public:
    DatabaseOwnerChange(CQXCatalog& catalogue, std::string logName, UserPrompt& prompt,
                        const CodePage& codePage);

    // The fields as the dialog opens: the current username is the logged-in log name.
    OwnerFields initialFields() const;

    // True when every disc now carries the new owner and the dialog closes. Otherwise the
    // reason was shown and all four fields are cleared.
    bool change(OwnerFields& fields);

private:
    // Shows the refusal and clears the fields.
    void refuse(std::string_view message, OwnerFields& fields);

    CQXCatalog& m_catalogue;
    std::string m_logName;
    UserPrompt& m_prompt;
    const CodePage& m_codePage;
};

}  // namespace vorlix
