#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/result.h"
#include "platform/disc_volume.h"

namespace vorlix {

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
    struct Member {
        std::string name;
        int folder = -1;
        std::uint64_t size = 0;
        // An archive among the members, listed in turn.
        std::unique_ptr<ArchiveListing> contents;
        // An archive among the members that could not be listed; it stays a file.
        bool unlisted = false;
    };

    // Lists the archive in file. Fails, with the reason, when the file is larger than the
    // limit, is no archive libarchive reads, is damaged, holds an encrypted member, or when
    // carryOn() turned false on the way; the listing is then incomplete and is not to be used.
    [[nodiscard]] Result read(VolumeFile& file, const ArchiveListOptions& options);

    const std::vector<Folder>& folders() const { return m_folders; }
    const std::vector<Member>& members() const { return m_members; }

private:
    // The folder the first count components stand for, made with those above it as needed.
    int folderOf(const std::vector<std::string>& components, std::size_t count);

    std::vector<Folder> m_folders;
    std::vector<Member> m_members;
    // Each folder by its parent and its lower-cased name.
    std::map<std::pair<int, std::string>, int> m_folderIndex;
};

}  // namespace vorlix
