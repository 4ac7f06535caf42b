// Feeds arbitrary bytes as a CUE sheet beside a BIN file and opens it as the scan opens an
// image. An audio disc that opens shows one 44-byte track file per audio track, each of which
// has its content, and its media tag (when the table allows one) reads back from its text.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cdio_log_silence.h"
#include "fuzz_folder.h"
#include "fuzz_support.h"
#include "online/media_tag.h"
#include "platform/disc/cda_file.h"
#include "platform/disc/volume_opener.h"

namespace {

constexpr std::size_t kRawSectorSize = 2352;

// The folder holds sheet.bin for the whole run: libcdio reads the track data of a sheet from
// the BIN file of the same name beside it, and the seed sheets name that file too.
const FuzzFolder& folder() {
    static const FuzzFolder made;
    static const std::string bin = made.write("sheet.bin", std::string(40 * kRawSectorSize, '\0'));
    return made;
}

void checkAudioDisc(vorlix::DiscVolume& volume) {
    const std::optional<vorlix::AudioToc> toc = volume.audioToc();
    check(toc.has_value());
    check(toc->trackStarts.size() <= vorlix::kMaxAudioTracks);
    volume.identity();
    std::vector<vorlix::DirectoryEntry> entries;
    check(volume.list("", entries));
    check(entries.size() <= toc->trackStarts.size());
    for (const vorlix::DirectoryEntry& entry : entries) {
        check(!entry.folder && entry.size == vorlix::kCdaFileSize);
        const std::optional<std::string> content = vorlix::cdaFileOf(*toc, entry.name);
        check(content && content->size() == vorlix::kCdaFileSize);
    }
    if (const std::optional<vorlix::MediaTag> tag = vorlix::mediaTagOf(*toc)) {
        check(vorlix::parseMediaTag(vorlix::formatMediaTag(*tag)) == tag);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    silenceCdioLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string sheet = folder().write("sheet.cue", bytesOf(data, size));
    const std::unique_ptr<vorlix::DiscVolume> volume = vorlix::openImage(sheet);
    check(volume != nullptr);
    if (volume->ready()) {
        checkAudioDisc(*volume);
    }
    return 0;
}
