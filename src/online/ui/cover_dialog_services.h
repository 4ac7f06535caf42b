#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "online/ui/dialog_cover_search.h"

namespace vorlix {

class HttpClient;
class RequestPacer;
class SettingsStore;
class ShellOpener;
class UserPrompt;

using HttpClientFactory =
    std::function<std::unique_ptr<HttpClient>(const std::atomic<bool>& cancelled)>;

// Clients over libcurl that the flag stops, announcing the program with its version and, for
// services that ask who calls them, the user's e-mail address from the settings.
HttpClientFactory curlClients(const SettingsStore& settings);

// The cover dialog's sources and addresses as the settings give them. MusicBrainz asks its
// callers for at most one request a second: the pacer should outlive the dialog, so that
// searches in dialogs opened one after the other keep to it as well.
CoverDialogServices coverDialogServices(const SettingsStore& settings, UserPrompt& prompt,
                                        ShellOpener& shell, std::shared_ptr<RequestPacer> pacer);

}  // namespace vorlix
