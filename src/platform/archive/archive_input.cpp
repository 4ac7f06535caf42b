#include "platform/archive/archive_input.h"

#include <archive.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace vorlix {

ArchiveInput::ArchiveInput(VolumeFile& file)
    : m_file(file),
      m_archive(archive_read_new()),
      m_block(std::make_unique<std::array<char, 64 * 1024>>()) {
    archive_read_support_filter_all(m_archive);
    archive_read_support_format_all(m_archive);
}

ArchiveInput::~ArchiveInput() {
    archive_read_free(m_archive);
}

Result ArchiveInput::open() {
    archive_read_set_callback_data(m_archive, this);
    archive_read_set_read_callback(m_archive, &ArchiveInput::readBlock);
    archive_read_set_skip_callback(m_archive, &ArchiveInput::skipBytes);
    // A file that cannot seek (a member of another archive) is read as a stream: zip then reads
    // its local headers instead of the index at the end.
    if (m_file.seek(0)) {
        archive_read_set_seek_callback(m_archive, &ArchiveInput::seekTo);
    }
    if (archive_read_open1(m_archive) != ARCHIVE_OK) {
        return Result::failure(errorText());
    }
    return Result::success();
}

std::string ArchiveInput::errorText() const {
    const char* text = archive_error_string(m_archive);
    return text != nullptr ? std::string(text) : std::string("unknown error");
}

long ArchiveInput::readBlock(struct archive* archive, void* self, const void** buffer) {
    auto& input = *static_cast<ArchiveInput*>(self);
    const std::optional<std::size_t> got =
        input.m_file.read(input.m_block->data(), input.m_block->size());
    if (!got) {
        archive_set_error(archive, EIO, "the file cannot be read at byte %llu",
                          static_cast<unsigned long long>(input.m_position));
        return -1;
    }
    input.m_position += *got;
    *buffer = input.m_block->data();
    return static_cast<long>(*got);
}

std::int64_t ArchiveInput::skipBytes(struct archive*, void* self, std::int64_t request) {
    auto& input = *static_cast<ArchiveInput*>(self);
    const std::uint64_t size = input.m_file.size();
    const std::uint64_t target = std::min(
        size, input.m_position + static_cast<std::uint64_t>(std::max<std::int64_t>(request, 0)));
    if (!input.m_file.seek(target)) {
        // libarchive reads over what it wanted to skip.
        return 0;
    }
    const auto skipped = static_cast<std::int64_t>(target - input.m_position);
    input.m_position = target;
    return skipped;
}

std::int64_t ArchiveInput::seekTo(struct archive* archive, void* self, std::int64_t offset,
                                  int whence) {
    auto& input = *static_cast<ArchiveInput*>(self);
    const auto size = static_cast<std::int64_t>(input.m_file.size());
    std::int64_t target = offset;
    if (whence == SEEK_CUR) {
        target += static_cast<std::int64_t>(input.m_position);
    } else if (whence == SEEK_END) {
        target += size;
    }
    if (target < 0 || target > size || !input.m_file.seek(static_cast<std::uint64_t>(target))) {
        archive_set_error(archive, EIO, "the file cannot be read at byte %lld",
                          static_cast<long long>(target));
        return ARCHIVE_FATAL;
    }
    input.m_position = static_cast<std::uint64_t>(target);
    return target;
}

}  // namespace vorlix
