#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/result.h"
#include "platform/archive/archive_input.h"
#include "platform/disc_volume.h"

struct archive_entry;

namespace vorlix {

// What a member's header says about it.
struct ArchiveMemberHeader {
    enum class Kind { File, Folder, Other };

    std::string pathname;  // as memberPathname() gives it
    Kind kind = Kind::Other;
    // The uncompressed size when the header tells it; a zip read as a stream may put it only
    // after the data.
    std::optional<std::uint64_t> size;
    bool encrypted = false;
};

// Goes through an archive's members one header at a time, without extracting anything. The
// current member's data can be read as a file of its own, from start to end, so that an
// archive inside an archive is read as a stream straight out of the outer one.
class ArchiveMemberReader {
public:
    enum class Step { Member, End, Failed };

    // The file must outlive the reader.
    explicit ArchiveMemberReader(VolumeFile& file);

    Result open();
    // Moves to the next member and fills header from it; Failed when the archive is damaged
    // there (errorText() tells why).
    Step next(ArchiveMemberHeader& header);
    // The current member's size found by reading its data through; nullopt when the data
    // cannot be read (damaged or encrypted).
    std::optional<std::uint64_t> measureData();
    // The current member's data; valid until next(). size is what the header said, if anything.
    std::unique_ptr<VolumeFile> memberData(std::uint64_t size);
    std::string errorText() const { return m_input.errorText(); }

private:
    ArchiveInput m_input;
};

}  // namespace vorlix
