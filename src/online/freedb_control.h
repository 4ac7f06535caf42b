#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "online/cddb_client_identity.h"
#include "online/cddb_exchange.h"
#include "online/cddb_match.h"
#include "online/freedb_failure.h"
#include "online/media_tag.h"
#include "online/media_tag_source.h"
#include "online/xmcd_record.h"
#include "platform/disc_volume.h"
#include "platform/http_client.h"

namespace vorlix {

// The freedb control: computes the media tag of an audio CD (see media_tag.h for its form),
// looks discs up on a freedb server over HTTP, holds the last result for reading, fetches the
// server list and submits entries. Every failure (no connection, an HTTP or CDDB error, no
// match) is reported through the error handler with a text fit to show the user.
class C_uFREEDB final : public MediaTagSource {
public:
    using TocSource = std::function<std::optional<AudioToc>(const std::string& drivePath)>;
    using ErrorHandler = std::function<void(std::int32_t code, const std::string& text)>;

    C_uFREEDB(HttpClient& http, TocSource tocSource, CddbClientIdentity identity);

    // "gnudb.gnudb.org (Central Server)" or "127.0.0.1:8080": the host is the text before the
    // first blank; empty text chooses gnudb.gnudb.org. A new server drops the fetched list.
    void setServer(const std::string& serverText);
    // The current server's list of HTTP servers, fetched once on first use; 0 when it fails.
    std::int16_t serverCount();
    // Line index (from 1) of that list, "site protocol port address lat long description";
    // empty outside the list.
    std::string serverLine(std::int16_t index);

    // Empty when the drive holds no audio CD.
    std::string mediaTag(const std::string& drivePath) override;

    // Queries the server, takes the first match and reads its entry into the results, which
    // are empty after a failure. Returns 0, or the failure's code.
    std::int32_t lookUp(const std::string& mediaTag);
    // Every disc the last query found, in the server's order; the first is the one looked up.
    const std::vector<CddbMatch>& matches() const { return m_matches; }
    // Reads the entry of another match of the last query into the results. Returns 0, or the
    // failure's code.
    std::int32_t chooseMatch(std::size_t index);
    // On: submissions are filed ("Submit-Mode: submit"); off: the server only checks them
    // ("Submit-Mode: test").
    void setSubmitEnabled(bool enabled);
    // Sends the entry of the last lookup of this disc back as its next revision. Returns 0, or
    // the failure's code.
    std::int32_t submit(const std::string& mediaTag);

    std::string albumArtist() const;
    std::string albumTitle() const;
    std::string releaseYear() const;
    // The freedb category the entry is filed under ("rock", "misc", ...).
    std::string albumCategory() const;
    // Tracks of the disc found; 0 without a result.
    std::int32_t trackCount() const;
    // track counts from 1; empty outside the disc.
    std::string trackTitle(std::int16_t track) const;
    // Whole seconds of the disc last looked up; 0 outside the disc.
    std::int16_t trackLength(std::int16_t track) const;
    // "m:ss", such as "3:20".
    std::string trackLengthText(std::int16_t length) const;

    void setErrorHandler(ErrorHandler handler);

private:
    struct Result {
        XmcdRecord entry;
        std::string category;
        ArtistAndTitle album;
    };

    FreedbOutcome<std::vector<CddbMatch>> findMatches(const MediaTag& disc);
    FreedbOutcome<XmcdRecord> readEntry(const CddbMatch& match);
    std::int32_t readResult(const CddbMatch& match);
    void fetchServerList();
    std::string submitHeaders(const Result& result, const MediaTag& disc) const;
    std::int32_t raise(const FreedbFailure& failure);

    CddbExchange m_exchange;
    TocSource m_tocSource;
    ErrorHandler m_errorHandler;
    std::string m_host;
    std::optional<std::vector<std::string>> m_serverLines;
    bool m_submitEnabled = false;
    std::optional<MediaTag> m_disc;
    std::vector<CddbMatch> m_matches;
    std::optional<Result> m_result;
};

}  // namespace vorlix
