#include "platform/archive/archive_member_reader.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>

#include "platform/archive/member_path.h"

namespace vorlix {

namespace {

ArchiveMemberHeader::Kind kindOf(struct archive_entry* entry) {
    switch (archive_entry_filetype(entry)) {
        case AE_IFREG:
            return ArchiveMemberHeader::Kind::File;
        case AE_IFDIR:
            return ArchiveMemberHeader::Kind::Folder;
        default:
            // A hard link in a tar carries no type of its own: it stands for a file.
            return archive_entry_hardlink(entry) != nullptr ? ArchiveMemberHeader::Kind::File
                                                            : ArchiveMemberHeader::Kind::Other;
    }
}

// The data of the member a reader stands at, handed out as libarchive decodes it: it cannot
// seek, so whatever reads it reads it as a stream. A damaged member ends its reads with
// libarchive's words in readProblem(); a checksum that does not match comes after the last
// bytes and ends them just the same.
class MemberData final : public VolumeFile {
public:
    MemberData(const ArchiveInput& input, std::uint64_t size) : m_input(input), m_size(size) {}

    std::uint64_t size() const override { return m_size; }
    std::optional<std::size_t> read(char* destination, std::size_t n) override {
        if (!m_problem.empty()) {
            return std::nullopt;
        }
        const la_ssize_t got = archive_read_data(m_input.handle(), destination, n);
        if (got < 0) {
            m_problem = m_input.errorText();
            return std::nullopt;
        }
        return static_cast<std::size_t>(got);
    }
    std::string readProblem() const override { return m_problem; }

private:
    const ArchiveInput& m_input;
    std::uint64_t m_size;
    std::string m_problem;
};

}  // namespace

ArchiveMemberReader::ArchiveMemberReader(VolumeFile& file) : m_input(file) {}

Result ArchiveMemberReader::open() {
    return m_input.open();
}

ArchiveMemberReader::Step ArchiveMemberReader::next(ArchiveMemberHeader& header) {
    struct archive_entry* entry = nullptr;
    const int status = archive_read_next_header(m_input.handle(), &entry);
    if (status == ARCHIVE_EOF) {
        return Step::End;
    }
    // A warning (an unknown extension field, a name that does not convert) leaves the member
    // readable; anything worse leaves the rest of the archive unknown.
    if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
        return Step::Failed;
    }
    header.pathname = memberPathname(entry);
    header.kind = kindOf(entry);
    header.size.reset();
    if (archive_entry_size_is_set(entry) != 0 && archive_entry_size(entry) >= 0) {
        header.size = static_cast<std::uint64_t>(archive_entry_size(entry));
    }
    header.encrypted = archive_entry_is_encrypted(entry) != 0;
    return Step::Member;
}

std::optional<std::uint64_t> ArchiveMemberReader::measureData() {
    std::uint64_t size = 0;
    const void* block = nullptr;
    std::size_t length = 0;
    la_int64_t offset = 0;
    for (;;) {
        const int status = archive_read_data_block(m_input.handle(), &block, &length, &offset);
        if (status == ARCHIVE_EOF) {
            return size;
        }
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
            return std::nullopt;
        }
        // A sparse member's blocks leave holes, which count as much as the bytes around them.
        size = std::max(size, static_cast<std::uint64_t>(offset) + length);
    }
}

std::unique_ptr<VolumeFile> ArchiveMemberReader::memberData(std::uint64_t size) {
    return std::make_unique<MemberData>(m_input, size);
}

}  // namespace vorlix
