#pragma once

#include <vector>

#include "platform/disc_volume.h"

namespace vorlix {

// An audio CD as Windows shows it: one "TrackNN.cda" file of 44 bytes per audio track in the
// root, the label "Audio CD" and a serial summed from the table of contents.
class AudioCdVolume final : public DiscVolume {
public:
    // audioTracks tells, for each track of the table of contents, whether it holds audio.
    AudioCdVolume(AudioToc toc, std::vector<bool> audioTracks);

    bool ready() override { return true; }
    std::optional<VolumeIdentity> identity() override;
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override;
    std::optional<AudioToc> audioToc() override { return m_toc; }

private:
    AudioToc m_toc;
    std::vector<bool> m_audioTracks;
};

}  // namespace vorlix
