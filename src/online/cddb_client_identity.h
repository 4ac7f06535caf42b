#pragma once

#include <string>

namespace vorlix {

class SettingsStore;

// Who talks to the freedb server: the user's e-mail address (the "hello" greeting's user and
// host, and the submitter of entries) and the application that asks.
struct CddbClientIdentity {
    std::string userEmail;
    std::string appName = "Orvanta";
    std::string appVersion = "3.0";
};

// The identity with the e-mail address of the setting useremail; without one the greeting
// names an anonymous user.
CddbClientIdentity cddbIdentityFromSettings(const SettingsStore& settings);

}  // namespace vorlix
