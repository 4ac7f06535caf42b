#include "scan/archive_names.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/text_case.h"

namespace vorlix {

namespace {

// Endings, dot included, that libarchive reads as archives of several members.
constexpr std::array<std::string_view, 34> kArchiveEndings = {
    ".zip",     ".7z",     ".rar",  ".tar",     ".tgz", ".tar.gz", ".tbz",      ".tbz2", ".tar.bz2",
    ".txz",     ".tar.xz", ".tzst", ".tar.zst", ".cab", ".iso",    ".jar",      ".war",  ".ear",
    ".cbz",     ".cbr",    ".cb7",  ".cbt",     ".tlz", ".tar.lz", ".tar.lzma", ".taz",  ".tar.z",
    ".tar.lz4", ".cpio",   ".xar",  ".lha",     ".lzh", ".tb2",    ".tar.zstd",
};

}  // namespace

bool isArchiveName(std::string_view name) {
    const std::string lower = lowerCase(name);
    return std::any_of(kArchiveEndings.begin(), kArchiveEndings.end(),
                       [&lower](std::string_view ending) {
                           return lower.size() > ending.size() && lower.ends_with(ending);
                       });
}

}  // namespace vorlix
