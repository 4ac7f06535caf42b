#include "online/freedb_control.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <utility>

#include "online/cddb_url.h"
#include "online/server_list.h"
#include "online/xmcd_writer.h"

namespace vorlix {

namespace {

constexpr int kExactMatch = 200;
constexpr int kNoMatch = 202;
constexpr int kListFollows = 210;
constexpr int kInexactMatches = 211;
constexpr int kSubmitted = 200;

std::int16_t clampedToInt16(std::size_t value) {
    return static_cast<std::int16_t>(
        std::min<std::size_t>(value, std::numeric_limits<std::int16_t>::max()));
}

FreedbFailure badMediaTag(const std::string& text) {
    return {freedb_error::kBadMediaTag, "Not a valid media tag: \"" + text + "\""};
}

}  // namespace

C_uFREEDB::C_uFREEDB(HttpClient& http, TocSource tocSource, CddbClientIdentity identity)
    : m_exchange(http, std::move(identity)),
      m_tocSource(std::move(tocSource)),
      m_host(kDefaultFreedbHost) {}

void C_uFREEDB::setServer(const std::string& serverText) {
    std::string host = freedbHostOf(serverText);
    if (host != m_host) {
        m_host = std::move(host);
        m_serverLines.reset();
    }
}

std::int16_t C_uFREEDB::serverCount() {
    if (!m_serverLines) {
        fetchServerList();
    }
    return m_serverLines ? clampedToInt16(m_serverLines->size()) : 0;
}

std::string C_uFREEDB::serverLine(std::int16_t index) {
    if (!m_serverLines || index < 1 || static_cast<std::size_t>(index) > m_serverLines->size()) {
        return {};
    }
    return (*m_serverLines)[static_cast<std::size_t>(index) - 1];
}

std::string C_uFREEDB::mediaTag(const std::string& drivePath) {
    const std::optional<AudioToc> toc = m_tocSource ? m_tocSource(drivePath) : std::nullopt;
    const std::optional<MediaTag> tag = toc ? mediaTagOf(*toc) : std::nullopt;
    return tag ? formatMediaTag(*tag) : std::string();
}

std::int32_t C_uFREEDB::lookUp(const std::string& mediaTag) {
    m_result.reset();
    m_matches.clear();
    m_disc = parseMediaTag(mediaTag);
    if (!m_disc) {
        return raise(badMediaTag(mediaTag));
    }
    FreedbOutcome<std::vector<CddbMatch>> found = findMatches(*m_disc);
    if (const auto* failure = std::get_if<FreedbFailure>(&found)) {
        return raise(*failure);
    }
    m_matches = std::move(std::get<std::vector<CddbMatch>>(found));
    return readResult(m_matches.front());
}

std::int32_t C_uFREEDB::chooseMatch(std::size_t index) {
    if (index >= m_matches.size()) {
        return raise({freedb_error::kNoSuchMatch,
                      "There is no match " + std::to_string(index + 1) + " of the last query"});
    }
    m_result.reset();
    return readResult(m_matches[index]);
}

std::int32_t C_uFREEDB::readResult(const CddbMatch& match) {
    FreedbOutcome<XmcdRecord> entry = readEntry(match);
    if (const auto* failure = std::get_if<FreedbFailure>(&entry)) {
        return raise(*failure);
    }
    XmcdRecord& record = std::get<XmcdRecord>(entry);
    ArtistAndTitle album = splitDiscTitle(record.discTitle);
    m_result = Result{std::move(record), match.category, std::move(album)};
    return 0;
}

void C_uFREEDB::setSubmitEnabled(bool enabled) {
    m_submitEnabled = enabled;
}

std::int32_t C_uFREEDB::submit(const std::string& mediaTag) {
    const std::optional<MediaTag> disc = parseMediaTag(mediaTag);
    if (!disc) {
        return raise(badMediaTag(mediaTag));
    }
    if (!m_result || m_disc != disc) {
        return raise({freedb_error::kNothingToSubmit, "There is no entry of disc " +
                                                          discIdText(disc->discId) +
                                                          " to submit: look the disc up first"});
    }
    XmcdRecord entry = m_result->entry;
    ++entry.revision;
    const CddbClientIdentity& identity = m_exchange.identity();
    const CddbOutcome outcome =
        m_exchange.submit(m_host, submitHeaders(*m_result, *disc),
                          formatXmcd(entry, *disc, identity.appName + " " + identity.appVersion));
    if (const auto* failure = std::get_if<FreedbFailure>(&outcome)) {
        return raise(*failure);
    }
    const CddbReply& reply = std::get<CddbReply>(outcome);
    if (reply.code != kSubmitted) {
        return raise(unexpectedReply(m_host, reply));
    }
    m_result->entry.revision = entry.revision;
    return 0;
}

std::string C_uFREEDB::albumArtist() const {
    return m_result ? m_result->album.artist : "";
}

std::string C_uFREEDB::albumTitle() const {
    return m_result ? m_result->album.title : "";
}

std::string C_uFREEDB::releaseYear() const {
    return m_result ? m_result->entry.year : "";
}

std::string C_uFREEDB::albumCategory() const {
    return m_result ? m_result->category : "";
}

std::int32_t C_uFREEDB::trackCount() const {
    return m_result ? static_cast<std::int32_t>(m_disc->offsets.size()) : 0;
}

std::string C_uFREEDB::trackTitle(std::int16_t track) const {
    if (track < 1 || track > trackCount()) {
        return {};
    }
    const std::vector<std::string>& titles = m_result->entry.trackTitles;
    const auto index = static_cast<std::size_t>(track) - 1;
    return index < titles.size() ? titles[index] : std::string();
}

std::int16_t C_uFREEDB::trackLength(std::int16_t track) const {
    if (!m_disc || track < 1) {
        return 0;
    }
    return clampedToInt16(trackSeconds(*m_disc, static_cast<std::size_t>(track) - 1));
}

std::string C_uFREEDB::trackLengthText(std::int16_t length) const {
    const int seconds = std::max<int>(length, 0);
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

void C_uFREEDB::setErrorHandler(ErrorHandler handler) {
    m_errorHandler = std::move(handler);
}

FreedbOutcome<std::vector<CddbMatch>> C_uFREEDB::findMatches(const MediaTag& disc) {
    const CddbOutcome outcome = m_exchange.command(m_host, "cddb query " + formatMediaTag(disc));
    if (const auto* failure = std::get_if<FreedbFailure>(&outcome)) {
        return *failure;
    }
    const CddbReply& reply = std::get<CddbReply>(outcome);
    std::vector<CddbMatch> matches;
    switch (reply.code) {
        case kExactMatch:
            if (auto match = parseCddbMatch(reply.statusText())) {
                matches.push_back(std::move(*match));
            }
            break;
        case kListFollows:
        case kInexactMatches:
            for (const std::string& line : reply.lines) {
                if (auto match = parseCddbMatch(line)) {
                    matches.push_back(std::move(*match));
                }
            }
            break;
        case kNoMatch:
            return FreedbFailure{kNoMatch, "No entry for disc " + discIdText(disc.discId) +
                                               " on the freedb server " + m_host};
        default:
            return unexpectedReply(m_host, reply);
    }
    if (matches.empty()) {
        return FreedbFailure{freedb_error::kBadReply,
                             "The freedb server " + m_host + " sent a match that cannot be read"};
    }
    return matches;
}

FreedbOutcome<XmcdRecord> C_uFREEDB::readEntry(const CddbMatch& match) {
    const CddbOutcome outcome =
        m_exchange.command(m_host, "cddb read " + match.category + " " + match.discId);
    if (const auto* failure = std::get_if<FreedbFailure>(&outcome)) {
        return *failure;
    }
    const CddbReply& reply = std::get<CddbReply>(outcome);
    if (reply.code != kListFollows) {
        return unexpectedReply(m_host, reply);
    }
    return parseXmcd(reply.lines);
}

void C_uFREEDB::fetchServerList() {
    const CddbOutcome outcome = m_exchange.command(m_host, "sites");
    if (const auto* failure = std::get_if<FreedbFailure>(&outcome)) {
        raise(*failure);
        return;
    }
    const CddbReply& reply = std::get<CddbReply>(outcome);
    if (reply.code != kListFollows) {
        raise(unexpectedReply(m_host, reply));
        return;
    }
    m_serverLines = httpServerLines(reply.lines);
}

std::string C_uFREEDB::submitHeaders(const Result& result, const MediaTag& disc) const {
    const CddbClientIdentity& identity = m_exchange.identity();
    return "Category: " + result.category + "\r\nDiscid: " + discIdText(disc.discId) +
           "\r\nUser-Email: " + identity.userEmail +
           "\r\nSubmit-Mode: " + (m_submitEnabled ? "submit" : "test") +
           "\r\nCharset: UTF-8\r\nX-Cddbd-Note: Sent by " + identity.appName + " " +
           identity.appVersion;
}

std::int32_t C_uFREEDB::raise(const FreedbFailure& failure) {
    if (m_errorHandler) {
        m_errorHandler(failure.code, failure.text);
    }
    return failure.code;
}

}  // namespace vorlix
