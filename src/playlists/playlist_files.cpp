#include "playlists/playlist_files.h"

#include <filesystem>
#include <stdexcept>

#include "core/help_playlist_format.h"
#include "platform/file_source.h"
#include "platform/safe_file_write.h"

namespace vorlix {

namespace {

Result writeFailure(const std::string& path, const Result& written) {
    return Result::failure("The file " + path + " could not be written: " + written.message());
}

Result readFailure(const std::string& path, const std::string& reason) {
    return Result::failure("The file " + path + " could not be read: " + reason);
}

bool exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error) || error;
}

Result readWhole(const std::string& path, std::string& bytes) {
    try {
        FileSource source(path);
        bytes.resize(static_cast<std::size_t>(source.size()));
        bytes.resize(source.read(bytes.data(), bytes.size()));
        return Result::success();
    } catch (const std::runtime_error& e) {
        return readFailure(path, e.what());
    }
}

}  // namespace

Result writePlayerFile(const std::string& path, const std::string& text) {
    const Result written = safeWriteFile(path, text);
    return written ? Result::success() : writeFailure(path, written);
}

Result appendToPlayerFile(const std::string& path, const std::string& text) {
    std::string bytes;
    if (exists(path)) {
        if (Result read = readWhole(path, bytes); !read) {
            return read;
        }
    }
    return writePlayerFile(path, bytes + text);
}

Result writeHelpPlaylistFile(const std::string& path, const std::vector<CQXHPlaylist>& records,
                             const CodePage& codePage) {
    const Result written = safeWriteFile(path, writeHelpPlaylist(records, codePage));
    return written ? Result::success() : writeFailure(path, written);
}

Result readHelpPlaylistFile(const std::string& path, const CodePage& codePage,
                            std::vector<CQXHPlaylist>& records) {
    try {
        FileSource source(path);
        records = readHelpPlaylist(source, codePage);
        return Result::success();
    } catch (const std::runtime_error& e) {
        // A damaged archive says where, through the same kind of exception.
        return readFailure(path, e.what());
    }
}

}  // namespace vorlix
