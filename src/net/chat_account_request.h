#pragma once

#include <string>
#include <string_view>

namespace vorlix {

struct ChatAccountForm;

inline constexpr std::string_view kCreateAccountPath = "/vorlixmedia/system/createnewaccount.php";

// The address of the account-creation request. service is the setting chataccounthost: a host
// (with ":port" if need be), asked over HTTPS, or an address with its scheme
// ("http://127.0.0.1:8080") for a service elsewhere. The keys follow in the service's order,
// name, mail, pass, fname, lname, country, city, age, gender, address, each value
// percent-encoded; the retyped password is not sent.
std::string chatAccountRequestUrl(std::string_view service, const ChatAccountForm& form);

// What the service's reply says, from the first line of its body.
struct ChatAccountReply {
    enum class Kind { Created, Refused, Corrupt };
    Kind kind = Kind::Corrupt;
    // The service's own words for a refusal, shown as sent.
    std::string refusal;

    static ChatAccountReply of(std::string_view body);
};

}  // namespace vorlix
