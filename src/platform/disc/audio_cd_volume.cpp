#include "platform/disc/audio_cd_volume.h"

#include <utility>

#include "platform/disc/cda_file.h"
#include "platform/disc/volume_serial.h"

namespace vorlix {

AudioCdVolume::AudioCdVolume(AudioToc toc, std::vector<bool> audioTracks)
    : m_toc(std::move(toc)), m_audioTracks(std::move(audioTracks)) {}

std::optional<VolumeIdentity> AudioCdVolume::identity() {
    return VolumeIdentity{"Audio CD", audioDiscSerial(m_toc)};
}

bool AudioCdVolume::list(std::string_view path, std::vector<DirectoryEntry>& entries) {
    entries.clear();
    if (!path.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < m_toc.trackStarts.size(); ++i) {
        if (i < m_audioTracks.size() && m_audioTracks[i]) {
            entries.push_back(
                {cdaFileName(m_toc.firstTrack + static_cast<int>(i)), false, kCdaFileSize});
        }
    }
    return true;
}

}  // namespace vorlix
