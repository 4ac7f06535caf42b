#include "platform/disc/volume_opener.h"

#include <utility>

#include "platform/disc/audio_cd_volume.h"
#include "platform/disc/cd_contents.h"
#include "platform/disc/drive_status.h"
#include "platform/disc/file_sector_source.h"
#include "platform/disc/iso_volume.h"
#include "platform/disc/iso_volume_descriptor.h"
#include "platform/disc/mounted_disc_volume.h"
#include "platform/disc/no_disc_volume.h"
#include "platform/disc/udf_volume.h"
#include "platform/disc/udf_volume_structure.h"

namespace vorlix {

namespace {

std::optional<VolumeIdentity> dataIdentity(SectorSource& sectors, std::uint32_t sessionStart) {
    if (auto udf = readUdfIdentity(sectors)) {
        return udf;
    }
    return readIsoIdentity(sectors, sessionStart);
}

// The file system volume of a data disc or image, read without mounting; null when neither
// file system can be read.
std::unique_ptr<DiscVolume> openFileSystem(const std::string& location, SectorSource& sectors,
                                           const std::optional<VolumeIdentity>& identity) {
    if (hasUdfAnchor(sectors)) {
        if (auto udf = UdfVolume::open(location, identity)) {
            return udf;
        }
    }
    if (findIsoDescriptor(sectors, 0)) {
        return IsoVolume::open(location, identity);
    }
    return nullptr;
}

std::unique_ptr<DiscVolume> audioVolume(CdContents contents) {
    return std::make_unique<AudioCdVolume>(std::move(contents.toc),
                                           std::move(contents.audioTracks));
}

}  // namespace

std::unique_ptr<DiscVolume> openOpticalDisc(const std::string& device,
                                            const std::optional<std::string>& mountPoint) {
    if (!discReady(device)) {
        return std::make_unique<NoDiscVolume>();
    }
    auto contents = readCdContents(device);
    if (contents && contents->onlyAudio()) {
        return audioVolume(std::move(*contents));
    }
    FileSectorSource sectors(device);
    const auto identity = dataIdentity(sectors, contents ? contents->lastSessionStart : 0);
    if (mountPoint) {
        return std::make_unique<MountedDiscVolume>(*mountPoint, identity);
    }
    if (auto volume = openFileSystem(device, sectors, identity)) {
        return volume;
    }
    if (contents && contents->hasAudio()) {
        return audioVolume(std::move(*contents));
    }
    return std::make_unique<NoDiscVolume>();
}

std::unique_ptr<DiscVolume> openImage(const std::string& path) {
    if (isCueSheet(path)) {
        auto contents = readCdContents(path);
        if (contents && contents->hasAudio()) {
            return audioVolume(std::move(*contents));
        }
        return std::make_unique<NoDiscVolume>();
    }
    FileSectorSource sectors(path);
    if (!sectors.isOpen()) {
        return std::make_unique<NoDiscVolume>();
    }
    if (auto volume = openFileSystem(path, sectors, dataIdentity(sectors, 0))) {
        return volume;
    }
    return std::make_unique<NoDiscVolume>();
}

}  // namespace vorlix
