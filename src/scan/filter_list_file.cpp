#include "scan/filter_list_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <stdexcept>
#include <utility>

#include "core/code_page.h"
#include "platform/file_lock.h"
#include "platform/file_source.h"
#include "platform/safe_file_write.h"

namespace vorlix {

namespace {

Result readFailure(const std::string& path, std::string_view reason) {
    return Result::failure("Could not read the scan filter list \"" + path +
                           "\": " + std::string(reason) + ".");
}

Result writeFailure(const std::string& path, std::string_view reason) {
    return Result::failure("Could not write the scan filter list \"" + path +
                           "\": " + std::string(reason) + ". The file on disk was not changed.");
}

}  // namespace

FilterListFile::FilterListFile(std::string path, const CodePage& codePage)
    : m_path(std::move(path)), m_codePage(codePage) {}

Result FilterListFile::readEntries(std::vector<std::string>& entries, bool& missing) const {
    std::string bytes;
    missing = false;
    try {
        FileSource source(m_path);
        char buffer[4096];
        while (const std::size_t got = source.read(buffer, sizeof buffer)) {
            bytes.append(buffer, got);
        }
    } catch (const std::runtime_error& e) {
        struct stat info {};
        missing = ::stat(m_path.c_str(), &info) != 0 && errno == ENOENT;
        return readFailure(m_path, e.what());
    }
    entries = parse(bytes, m_codePage);
    return Result::success();
}

Result FilterListFile::read(std::vector<std::string>& entries) const {
    bool missing = false;
    return readEntries(entries, missing);
}

Result FilterListFile::writeLocked(const std::vector<std::string>& entries) const {
    const auto bytes = format(entries, m_codePage);
    if (!bytes) {
        return writeFailure(m_path,
                            "an extension holds a character that the code page cannot store");
    }
    const Result written = safeWriteFile(m_path, *bytes);
    return written.ok() ? written : writeFailure(m_path, written.message());
}

Result FilterListFile::write(const std::vector<std::string>& entries) const {
    FileLock lock;
    if (const Result locked = lock.acquire(m_path); !locked.ok()) {
        return writeFailure(m_path, locked.message());
    }
    return writeLocked(entries);
}

Result FilterListFile::update(std::vector<std::string>& entries,
                              const std::function<void(std::vector<std::string>&)>& change) const {
    FileLock lock;
    if (const Result locked = lock.acquire(m_path); !locked.ok()) {
        return writeFailure(m_path, locked.message());
    }
    // A file that has gone missing is made again from the list as it was last read.
    std::vector<std::string> current = entries;
    bool missing = false;
    if (Result read = readEntries(current, missing); !read.ok() && !missing) {
        return read;
    }
    change(current);
    if (Result written = writeLocked(current); !written.ok()) {
        return written;
    }
    entries = std::move(current);
    return Result::success();
}

std::vector<std::string> FilterListFile::parse(std::string_view bytes, const CodePage& codePage) {
    std::vector<std::string> entries;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (end != std::string_view::npos && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        std::string entry;
        codePage.decode(line, entry);
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::optional<std::string> FilterListFile::format(const std::vector<std::string>& entries,
                                                  const CodePage& codePage) {
    std::string bytes;
    for (const std::string& entry : entries) {
        if (!codePage.encode(entry, bytes)) {
            return std::nullopt;
        }
        bytes.append(kListLineEnd);
    }
    return bytes;
}

}  // namespace vorlix
