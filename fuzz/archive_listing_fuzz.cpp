// Feeds arbitrary bytes to the scan's archive listing as a file that can seek, as an archive on
// a disc is read. Whatever it lists holds together: every member's name lies inside the
// listing's text and its folder is one the listing made, parents before children; an archive
// listed inside another lists nothing further down.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "scan/archive_listing.h"
#include "support/memory_file.h"

namespace {

void checkListing(const vorlix::ArchiveListing& listing, bool nested) {
    const auto& folders = listing.folders();
    for (std::size_t i = 0; i < folders.size(); ++i) {
        check(folders[i].parent >= -1 && folders[i].parent < static_cast<int>(i));
        check(!folders[i].name.empty());
    }
    const auto& members = listing.members();
    for (std::size_t i = 0; i < members.size(); ++i) {
        check(members[i].folder >= -1 && members[i].folder < static_cast<int>(folders.size()));
        check(!listing.name(members[i]).empty());
        if (const vorlix::ArchiveListing* inner = listing.contents(i)) {
            check(!nested);
            checkListing(*inner, true);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorlix::test::MemoryFile file(bytesOf(data, size));
    vorlix::ArchiveListing listing;
    const vorlix::ArchiveListOptions options{1U << 30, true, [] { return true; }};
    if (listing.read(file, options).ok()) {
        checkListing(listing, false);
    }
    return 0;
}
