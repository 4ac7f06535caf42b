#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

inline constexpr std::string_view kPasswordMismatchMessage =
    "Different passwords detected. Please, enter them correctly.";
inline constexpr std::string_view kIncompleteFormMessage =
    "Please, fill in all required fields ('*').";
// What an optional field left empty is sent as.
inline constexpr std::string_view kNotGiven = "N/A";

// The fields of the chat account form as the user typed them.
struct ChatAccountForm {
    std::string name;
    std::string password;
    std::string retypedPassword;
    std::string firstName;
    std::string lastName;
    std::string country;
    std::string city;
    std::string address;
    std::string email;
    std::string gender;
    std::string age;
};

// The messages that keep the form from being sent, in the order they are shown: a password
// mismatch counts as an incomplete form and shows both. None when the form can be sent.
std::vector<std::string_view> formRefusals(const ChatAccountForm& form);

// The form as it is sent: each empty optional field (address, age, city, country, gender)
// becomes "N/A".
ChatAccountForm withOptionalFieldsGiven(ChatAccountForm form);

}  // namespace vorlix
