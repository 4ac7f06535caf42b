#include "platform/disc/cd_contents.h"

#include <cdio/cdio.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace vorlix {

namespace {

struct CdioCloser {
    void operator()(CdIo_t* cdio) const { cdio_destroy(cdio); }
};

}  // namespace

bool CdContents::hasAudio() const {
    return std::find(audioTracks.begin(), audioTracks.end(), true) != audioTracks.end();
}

bool CdContents::onlyAudio() const {
    return !audioTracks.empty() &&
           std::find(audioTracks.begin(), audioTracks.end(), false) == audioTracks.end();
}

bool isCueSheet(const std::string& location) {
    const std::size_t dot = location.rfind('.');
    if (dot == std::string::npos) {
        return false;
    }
    std::string extension = location.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".cue";
}

std::optional<CdContents> readCdContents(const std::string& location) {
    const std::unique_ptr<CdIo_t, CdioCloser> cdio(
        isCueSheet(location) ? cdio_open_cue(location.c_str())
                             : cdio_open(location.c_str(), DRIVER_DEVICE));
    if (!cdio) {
        return std::nullopt;
    }
    const track_t first = cdio_get_first_track_num(cdio.get());
    const track_t count = cdio_get_num_tracks(cdio.get());
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0) {
        return std::nullopt;
    }
    CdContents contents;
    contents.toc.firstTrack = first;
    for (track_t track = first; track < first + count; ++track) {
        const lsn_t start = cdio_get_track_lsn(cdio.get(), track);
        if (start == CDIO_INVALID_LSN) {
            return std::nullopt;
        }
        contents.toc.trackStarts.push_back(static_cast<std::uint32_t>(start));
        contents.audioTracks.push_back(cdio_get_track_format(cdio.get(), track) ==
                                       TRACK_FORMAT_AUDIO);
    }
    const lsn_t leadOut = cdio_get_track_lsn(cdio.get(), CDIO_CDROM_LEADOUT_TRACK);
    if (leadOut == CDIO_INVALID_LSN) {
        return std::nullopt;
    }
    contents.toc.leadOut = static_cast<std::uint32_t>(leadOut);
    lsn_t lastSession = 0;
    if (cdio_get_last_session(cdio.get(), &lastSession) == DRIVER_OP_SUCCESS && lastSession > 0) {
        contents.lastSessionStart = static_cast<std::uint32_t>(lastSession);
    }
    return contents;
}

}  // namespace vorlix
