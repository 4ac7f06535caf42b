#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/result.h"
#include "platform/disc_volume.h"

struct archive;

namespace vorlix {

// An archive read with libarchive straight from a volume's file, in any format and compression
// libarchive knows, without extracting anything to disk. Reads go through the file in blocks of
// 64 KiB; seeks reach the file when it can seek, so zip and 7z read their index at the end
// without reading what comes before.
class ArchiveInput {
public:
    // The file must outlive the input.
    explicit ArchiveInput(VolumeFile& file);
    ~ArchiveInput();
    ArchiveInput(const ArchiveInput&) = delete;
    ArchiveInput& operator=(const ArchiveInput&) = delete;

    // Recognises the format from the file's start; fails with libarchive's words when the bytes
    // are no archive it can read.
    Result open();
    // The reader for libarchive's entry calls once open() succeeded.
    struct archive* handle() const {
        return m_archive;
    }
    // libarchive's text for the last failure, or "unknown error".
    std::string errorText() const;

private:
    static long readBlock(struct archive*, void* self, const void** buffer);
    static std::int64_t skipBytes(struct archive*, void* self, std::int64_t request);
    static std::int64_t seekTo(struct archive*, void* self, std::int64_t offset, int whence);

    VolumeFile& m_file;
    struct archive* m_archive;
    std::uint64_t m_position = 0;
    std::unique_ptr<std::array<char, 64 * 1024>> m_block;
};

}  // namespace vorlix
