#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/result.h"
#include "platform/disc_volume.h"

namespace vorlix {

class ArchiveMemberReader;
struct ArchiveMemberHeader;

// How an archive is to be listed: the largest archive read (in bytes), whether archives among
// its members are listed too (one level: a member of a member is never opened), and what tells
// the listing to stop.
struct ArchiveListOptions {
    std::uint64_t limit = 0;
    bool nested = true;
    std::function<bool()> carryOn;
};

// The members of one archive, gathered in full before a scan takes any of them in, so that an
// archive that turns out damaged or encrypted half way adds nothing. Names are texts as the scan
// keeps file names; folders are found without regard to case, as catalogue folders are, and
// keep the name they were first met with. Holds only names and sizes: data is read only to
// list an archive inside the archive, or to measure a member whose header leaves its size out.
class ArchiveListing {
public:
    struct Folder {
        std::string name;
        int parent = -1;  // -1: the archive itself
    };
    // A member's name lies in the listing's own text, so that a member costs a few words
    // besides its name's bytes: an archive may hold millions.
    struct Member {
        std::size_t nameStart = 0;
        std::uint32_t nameSize = 0;
        int folder = -1;
        std::uint64_t size = 0;
    };

    // Lists the archive in file. Fails, with the reason, when the file is larger than the
    // limit, is no archive libarchive reads, is damaged, holds an encrypted member, or when
    // carryOn() turned false on the way; the listing is then incomplete and is not to be used.
    [[nodiscard]] Result read(VolumeFile& file, const ArchiveListOptions& options);

    const std::vector<Folder>& folders() const { return m_folders; }
    const std::vector<Member>& members() const { return m_members; }
    std::string_view name(const Member& member) const;
    // The listing of the member at index when it is an archive that was listed in turn.
    const ArchiveListing* contents(std::size_t index) const;
    // Whether the member at index is an archive that could not be listed; it stays a file.
    bool unlisted(std::size_t index) const;

private:
    Result addFile(ArchiveMemberReader& reader, const ArchiveMemberHeader& header,
                   const std::vector<std::string>& components, const ArchiveListOptions& options);
    // Lists the archive at index from its data, as the reader stands at it; one that cannot be
    // listed stays a file. Fails only when the listing is to stop.
    Result listInner(ArchiveMemberReader& reader, std::size_t index,
                     const ArchiveListOptions& options);
    // The folder the first count components stand for, made with those above it as needed.
    int folderOf(const std::vector<std::string>& components, std::size_t count);

    std::vector<Folder> m_folders;
    std::vector<Member> m_members;
    std::string m_names;
    std::map<std::size_t, std::unique_ptr<ArchiveListing>> m_contents;
    std::set<std::size_t> m_unlisted;
    // Each folder by its parent and its lower-cased name.
    std::map<std::pair<int, std::string>, int> m_folderIndex;
};

}  // namespace vorlix
