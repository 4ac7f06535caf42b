#include "platform/disc/volume_opener.h"

#include <cdio/logging.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <utility>

#include "platform/disc/audio_cd_volume.h"
#include "platform/disc/cd_contents.h"
#include "platform/disc/cue_track_files.h"
#include "platform/disc/drive_status.h"
#include "platform/disc/file_sector_source.h"
#include "platform/disc/iso_volume.h"
#include "platform/disc/iso_volume_descriptor.h"
#include "platform/disc/mounted_disc_volume.h"
#include "platform/disc/no_disc_volume.h"
#include "platform/disc/regular_file.h"
#include "platform/disc/udf_volume.h"
#include "platform/disc/udf_volume_structure.h"

namespace vorlix {

namespace {

// A CUE sheet is a few lines per track; anything much longer is no CUE sheet.
constexpr std::uint64_t kMaxCueSheetBytes = 1u << 20;

// The CD library writes its complaints to stderr. What went wrong reaches the user as this
// program's own message, so the library's are dropped.
void quietCdLibrary() {
    static std::once_flag quieted;
    std::call_once(quieted, [] { cdio_log_set_handler([](cdio_log_level_t, const char*) {}); });
}

std::optional<VolumeIdentity> dataIdentity(SectorSource& sectors, std::uint32_t sessionStart) {
    if (auto udf = readUdfIdentity(sectors)) {
        return udf;
    }
    return readIsoIdentity(sectors, sessionStart);
}

// The file system volume of a data disc or image, read without mounting; null when neither
// file system can be read. An ISO 9660 volume is read from the session starting at
// sessionStart, the last one of a multi-session disc.
std::unique_ptr<DiscVolume> openFileSystem(const std::string& location, SectorSource& sectors,
                                           std::uint32_t sessionStart,
                                           const std::optional<VolumeIdentity>& identity) {
    if (hasUdfAnchor(sectors)) {
        if (auto udf = UdfVolume::open(location, identity)) {
            return udf;
        }
    }
    return IsoVolume::open(std::make_unique<FileSectorSource>(location), sessionStart, identity);
}

std::unique_ptr<DiscVolume> audioVolume(CdContents contents) {
    return std::make_unique<AudioCdVolume>(std::move(contents.toc),
                                           std::move(contents.audioTracks));
}

std::unique_ptr<DiscVolume> refused(const std::string& path, const std::string& problem) {
    return std::make_unique<NoDiscVolume>(path + ": " + problem);
}

// What is wrong with a file that is to be read, in words that follow its name; empty when
// nothing is.
std::string fileProblem(const RegularFileCheck& check, const std::string& what) {
    using Problem = RegularFileCheck::Problem;
    switch (check.problem) {
        case Problem::None:
            return {};
        case Problem::Missing:
            return what + " is missing";
        case Problem::NotRegular:
            return what + " is not a regular file";
        case Problem::Unreadable:
            return what + " cannot be read (" + check.reason + ")";
    }
    return {};
}

// The bytes a volume's descriptors say it takes: the ISO 9660 volume's size, or where the last
// UDF partition ends.
std::optional<std::uint64_t> declaredBytes(SectorSource& sectors) {
    if (const auto descriptor = findIsoDescriptor(sectors, 0)) {
        return isoVolumeBytes(*descriptor);
    }
    const auto udf = readUdfVolumeStructure(sectors);
    if (!udf) {
        return std::nullopt;
    }
    std::uint64_t end = 0;
    for (const UdfPartitionReference& partition : udf->partitions) {
        end = std::max(end, (std::uint64_t{partition.start} + partition.length) * kSectorSize);
    }
    return end;
}

std::unique_ptr<DiscVolume> openCueSheet(const std::string& path, std::uint64_t size) {
    if (size > kMaxCueSheetBytes) {
        return refused(path, "not a CUE sheet");
    }
    std::ifstream in(path, std::ios::binary);
    const std::string sheet{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!cueTracksInOrder(sheet)) {
        return refused(path, "not a CUE sheet of a CD");
    }
    // The CD library opens the track files itself, and would wait on one that is a FIFO.
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    for (const std::string& name : cueTrackFiles(sheet)) {
        const std::string track = (folder / name).string();
        if (const std::string problem =
                fileProblem(checkRegularFile(track), "the track file " + track);
            !problem.empty()) {
            return refused(path, problem);
        }
    }
    auto contents = readCdContents(path);
    if (!contents) {
        return refused(path, "not a CUE sheet of a CD");
    }
    if (!contents->hasAudio()) {
        return refused(path, "the CD holds no audio track");
    }
    return audioVolume(std::move(*contents));
}

}  // namespace

std::unique_ptr<DiscVolume> openOpticalDisc(const std::string& device,
                                            const std::optional<std::string>& mountPoint) {
    quietCdLibrary();
    if (!discReady(device)) {
        return std::make_unique<NoDiscVolume>();
    }
    auto contents = readCdContents(device);
    if (contents && contents->onlyAudio()) {
        return audioVolume(std::move(*contents));
    }
    FileSectorSource sectors(device);
    const std::uint32_t lastSession = contents ? contents->lastSessionStart : 0;
    const auto identity = dataIdentity(sectors, lastSession);
    if (mountPoint) {
        return std::make_unique<MountedDiscVolume>(*mountPoint, identity);
    }
    if (auto volume = openFileSystem(device, sectors, lastSession, identity)) {
        return volume;
    }
    if (contents && contents->hasAudio()) {
        return audioVolume(std::move(*contents));
    }
    return std::make_unique<NoDiscVolume>();
}

std::unique_ptr<DiscVolume> openImage(const std::string& path) {
    quietCdLibrary();
    const RegularFileCheck file = checkRegularFile(path);
    if (const std::string problem = fileProblem(file, "the file"); !problem.empty()) {
        return refused(path, problem);
    }
    if (file.size == 0) {
        return refused(path, "not a disc image (the file is empty)");
    }
    if (isCueSheet(path)) {
        return openCueSheet(path, file.size);
    }
    FileSectorSource sectors(path);
    const auto needed = declaredBytes(sectors);
    if (!needed) {
        return refused(path, "not a disc image");
    }
    if (*needed > file.size) {
        return refused(path, "the image is cut short: its volume takes " + std::to_string(*needed) +
                                 " bytes, the file holds " + std::to_string(file.size));
    }
    // An image has no table of contents: a program that adds a session to one writes the new
    // session's descriptors at the start, where the image is read from.
    if (auto volume = openFileSystem(path, sectors, 0, dataIdentity(sectors, 0))) {
        return volume;
    }
    return refused(path, "the disc image cannot be read");
}

}  // namespace vorlix
