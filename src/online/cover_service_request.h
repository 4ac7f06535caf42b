#pragma once

#include <string>
#include <string_view>

namespace vorlix {

class SettingsStore;

inline constexpr std::string_view kCoverAssociateTag = "vorlixmedia-20";
inline constexpr std::string_view kCoverServicePath = "/onca/xml3";

// Where the cover and price service answers and the token it issued to this program; both come
// from the settings, and without them the service is not configured.
struct CoverServiceConfig {
    std::string host;  // "host" or "host:port"
    std::string token;

    bool configured() const { return !host.empty() && !token.empty(); }
};

CoverServiceConfig coverServiceFromSettings(const SettingsStore& settings);

// The keyword search for one page of items; every value percent-encoded.
std::string coverKeywordUrl(const CoverServiceConfig& service, std::string_view keywords,
                            std::string_view mode, int page);
// The product of that identifier, for its availability.
std::string coverAsinUrl(const CoverServiceConfig& service, std::string_view asin);

}  // namespace vorlix
