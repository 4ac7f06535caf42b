// Feeds arbitrary bytes to the scan's archive listing as a file that can seek, as an archive on
// a disc is read. Whatever it lists holds together: every member's name lies inside the
// listing's text and its folder is one the listing made, parents before children; an archive
// listed inside another lists nothing further down.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "fuzz_support.h"
#include "platform/disc_volume.h"
#include "scan/archive_listing.h"

namespace {

class MemoryFile final : public vorlix::VolumeFile {
public:
    explicit MemoryFile(std::string_view bytes) : m_bytes(bytes) {}

    std::uint64_t size() const override { return m_bytes.size(); }
    std::optional<std::size_t> read(char* destination, std::size_t n) override {
        const std::size_t take = std::min(n, m_bytes.size() - m_position);
        std::memcpy(destination, m_bytes.data() + m_position, take);
        m_position += take;
        return take;
    }
    bool seek(std::uint64_t position) override {
        if (position > m_bytes.size()) {
            return false;
        }
        m_position = static_cast<std::size_t>(position);
        return true;
    }

private:
    std::string_view m_bytes;
    std::size_t m_position = 0;
};

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
    MemoryFile file(bytesOf(data, size));
    vorlix::ArchiveListing listing;
    const vorlix::ArchiveListOptions options{1U << 30, true, [] { return true; }};
    if (listing.read(file, options).ok()) {
        checkListing(listing, false);
    }
    return 0;
}
