#include "online/ui/cover_dialog_services.h"

#include <chrono>

#include "app/setting_names.h"
#include "app/settings_store.h"
#include "online/cover_service_source.h"
#include "online/musicbrainz_request.h"
#include "online/musicbrainz_source.h"
#include "online/request_pacer.h"
#include "platform/http/curl_http_client.h"

namespace vorlix {

namespace {

// Longer than the dialogs wait: they give up first, with a message of their own.
constexpr std::chrono::seconds kClientLimit{20};

}  // namespace

HttpClientFactory curlClients(const SettingsStore& settings) {
    std::string userAgent = describedUserAgent(CurlHttpClient::defaultUserAgent(), settings);
    return [userAgent](const std::atomic<bool>& cancelled) {
        auto http = std::make_unique<CurlHttpClient>(kClientLimit, kClientLimit, userAgent);
        http->setCancelFlag(&cancelled);
        return std::unique_ptr<HttpClient>(std::move(http));
    };
}

CoverDialogServices coverDialogServices(const SettingsStore& settings, UserPrompt& prompt,
                                        ShellOpener& shell, std::shared_ptr<RequestPacer> pacer) {
    const std::string site =
        settings.readText(setting::kSettingsKey, setting::kCoverSiteHost, setting::kAddressLimit);
    std::vector<NamedCoverSource> sources{
        {"Amazon Web Service",
         std::make_shared<CoverServiceSource>(coverServiceFromSettings(settings))},
        {"MusicBrainz and Cover Art Archive",
         std::make_shared<MusicBrainzSource>(musicBrainzHostsFromSettings(settings),
                                             std::move(pacer))}};
    return {prompt, shell, std::move(sources),
            site.empty() ? std::string() : "http://" + site + "/", curlClients(settings)};
}

}  // namespace vorlix
