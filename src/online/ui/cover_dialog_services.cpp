#include "online/ui/cover_dialog_services.h"

#include <chrono>
#include <ctime>

#include "app/setting_names.h"
#include "app/settings_store.h"
#include "core/price_block.h"
#include "online/cover_service_source.h"
#include "online/musicbrainz_source.h"
#include "online/request_pacer.h"
#include "platform/http/curl_http_client.h"

namespace vorlix {

namespace {

// Longer than the dialogs wait: they give up first, with a message of their own.
constexpr std::chrono::seconds kClientLimit{20};

}  // namespace

HttpClientFactory curlClients(const SettingsStore& settings) {
    const std::string email =
        settings.readText(setting::kSettingsKey, setting::kUserEmail, setting::kAddressLimit);
    std::string userAgent = CurlHttpClient::defaultUserAgent() + " (desktop disc catalogue; " +
                            (email.empty() ? std::string("no contact given") : email) + ")";
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

std::string todaysPriceDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return priceDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace vorlix
