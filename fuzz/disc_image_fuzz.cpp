// Feeds arbitrary bytes as a disc image held in memory (a memory file, which the volume
// readers open by its /proc path like any image) and scans it as `vorlix-cli scan` does: the
// UDF or ISO 9660 volume (Joliet and Rock Ridge names included) is opened, identified and
// walked through the scan filter. Besides ending without a fault, a leak or a blow-up, the scan
// never finds more than the image has bytes to describe: every folder has a sector of its own
// at least, and every file a directory record of at least 34 bytes.
//
// A tree that reaches a folder twice (an entry that points back at an ancestor, say) makes the
// walk list more folders than that; the fuzzer then stops the walk, so that it can go on
// looking for other faults, and leaves the count unchecked.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cdio_log_silence.h"
#include "core/code_page.h"
#include "fuzz_folder.h"
#include "fuzz_support.h"
#include "online/media_tag_source.h"
#include "platform/disc/volume_opener.h"
#include "scan/filter_lists.h"
#include "scan/scan_job.h"

namespace {

constexpr std::size_t kSmallestRecord = 34;
constexpr std::size_t kSectorSize = 2048;

class NoMediaTags final : public vorlix::MediaTagSource {
public:
    std::string mediaTag(const std::string&) override { return {}; }
};

// Passes listings through until the walk has listed more folders than the image has sectors,
// then stops the scan and refuses to list more.
class BoundedVolume final : public vorlix::DiscVolume {
public:
    BoundedVolume(vorlix::DiscVolume& volume, vorlix::ScanJob& job, std::size_t imageSize)
        : m_volume(volume), m_job(job), m_folderLimit(imageSize / kSectorSize) {}

    bool repeated() const { return m_listed > m_folderLimit; }

    bool ready() override { return m_volume.ready(); }
    std::optional<vorlix::VolumeIdentity> identity() override { return m_volume.identity(); }
    std::optional<vorlix::AudioToc> audioToc() override { return m_volume.audioToc(); }
    bool list(std::string_view path, std::vector<vorlix::DirectoryEntry>& entries) override {
        entries.clear();
        if (++m_listed > m_folderLimit) {
            m_job.stop();
            return false;
        }
        return m_volume.list(path, entries);
    }

private:
    vorlix::DiscVolume& m_volume;
    vorlix::ScanJob& m_job;
    std::size_t m_folderLimit;
    std::size_t m_listed = 0;
};

// The image's bytes live in one memory file for the whole run.
class MemoryImage {
public:
    MemoryImage() : m_fd(::memfd_create("image", MFD_CLOEXEC)) {
        if (m_fd < 0) {
            std::abort();
        }
    }
    ~MemoryImage() { ::close(m_fd); }
    MemoryImage(const MemoryImage&) = delete;
    MemoryImage& operator=(const MemoryImage&) = delete;

    // Replaces the image and returns the path it opens by.
    std::string hold(const std::uint8_t* data, std::size_t size) const {
        if (::ftruncate(m_fd, 0) != 0 ||
            ::pwrite(m_fd, data, size, 0) != static_cast<ssize_t>(size)) {
            std::abort();
        }
        return "/proc/self/fd/" + std::to_string(m_fd);
    }

private:
    int m_fd;
};

// The scan filter's lists, as a program folder holds them.
const FuzzFolder& programFolder() {
    static const FuzzFolder made;
    static const std::string keep = made.write(vorlix::kKeepListFileName, "mp3\r\ntxt\r\n");
    static const std::string skip = made.write(vorlix::kSkipListFileName, "tmp\r\n");
    return made;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    silenceCdioLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const MemoryImage image;
    const std::unique_ptr<vorlix::DiscVolume> volume = vorlix::openImage(image.hold(data, size));
    check(volume != nullptr);
    if (!volume->ready()) {
        return 0;
    }

    const vorlix::Windows1252 codePage;
    vorlix::FilterLists lists(programFolder().path(), codePage);
    NoMediaTags mediaTags;
    vorlix::ScanJob job(lists, mediaTags);
    job.setDrivePath("D:\\");
    job.setDiscNumber("1");
    job.setFilterOn(true);
    job.readVolume(volume->identity());
    check(job.prepare().ok());
    // Files met, recorded or not, and folders entered.
    std::size_t files = 0;
    BoundedVolume bounded(*volume, job, size);
    job.walk(bounded, [&files] { ++files; });
    if (!bounded.repeated()) {
        check(job.completed());
        check(files + job.treeItems().size() - 1 <= size / kSmallestRecord);
    }
    job.totals();
    job.folderOutline();
    return 0;
}
