#include "online/cover_service_request.h"

#include "app/setting_names.h"
#include "app/settings_store.h"
#include "core/percent_encoding.h"

namespace vorlix {

namespace {

std::string requestStart(const CoverServiceConfig& service) {
    return "http://" + service.host + std::string(kCoverServicePath) +
           "?t=" + percentEncoded(kCoverAssociateTag) + "&dev-t=" + percentEncoded(service.token);
}

}  // namespace

CoverServiceConfig coverServiceFromSettings(const SettingsStore& settings) {
    return {
        settings.readText(setting::kSettingsKey, setting::kCoverHost, setting::kAddressLimit),
        settings.readText(setting::kSettingsKey, setting::kCoverToken, setting::kCoverTokenLimit)};
}

std::string coverKeywordUrl(const CoverServiceConfig& service, std::string_view keywords,
                            std::string_view mode, int page) {
    return requestStart(service) + "&KeywordSearch=" + percentEncoded(keywords) +
           "&mode=" + percentEncoded(mode) + "&type=lite&page=" + std::to_string(page) + "&f=xml";
}

std::string coverAsinUrl(const CoverServiceConfig& service, std::string_view asin) {
    return requestStart(service) + "&AsinSearch=" + percentEncoded(asin) + "&type=lite&f=xml";
}

}  // namespace vorlix
