#pragma once

#include <memory>

#include "online/cover_source.h"
#include "online/musicbrainz_request.h"
#include "online/request_pacer.h"

namespace vorlix {

inline constexpr std::string_view kNoFrontPictureMessage =
    "The Cover Art Archive holds no front picture of this release.";

// Releases from MusicBrainz, by the audio CD's table of contents or by keywords, with the front
// picture from the Cover Art Archive. Both services are asked at most once a second, through
// the pacer that every request of this source shares.
class MusicBrainzSource final : public CoverSource {
public:
    MusicBrainzSource(MusicBrainzHosts hosts, std::shared_ptr<RequestPacer> pacer);

    CoverPageOutcome fetchPage(HttpClient& http, const CoverQuery& query, int page) const override;
    CoverPictureOutcome fetchPicture(HttpClient& http, const CoverItem& item,
                                     bool large) const override;
    std::string savedMode(const CoverQuery&) const override { return "music"; }

private:
    FetchedBody paced(HttpClient& http, const std::string& url) const;

    MusicBrainzHosts m_hosts;
    std::shared_ptr<RequestPacer> m_pacer;
};

}  // namespace vorlix
