#pragma once

#include "online/cover_service_request.h"
#include "online/cover_source.h"

namespace vorlix {

inline constexpr std::string_view kCoverServiceNotConfigured =
    "The cover service is not configured: its host (coverhost) and developer token (covertoken) "
    "belong in the settings.";

// The cover and price service with its XML keyword search.
class CoverServiceSource final : public CoverSource {
public:
    explicit CoverServiceSource(CoverServiceConfig service) : m_service(std::move(service)) {}

    CoverPageOutcome fetchPage(HttpClient& http, const CoverQuery& query, int page) const override;
    CoverPictureOutcome fetchPicture(HttpClient& http, const CoverItem& item,
                                     bool large) const override;
    std::string savedMode(const CoverQuery& query) const override { return query.mode; }

private:
    CoverServiceConfig m_service;
};

// The page's items read from a keyword reply, with its total and title.
CoverPageOutcome coverPageFromReply(const std::string& reply, const std::string& mode);

}  // namespace vorlix
