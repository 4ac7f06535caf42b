#include "platform/disc/case_insensitive_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include "core/file_name_text.h"
#include "core/text_case.h"

namespace vorlix {

namespace {

std::optional<std::string> findInFolder(const std::string& folder, const std::string& name) {
    const std::string exact = folder + "/" + nameWithoutStandIns(name);
    struct stat status;
    if (::lstat(exact.c_str(), &status) == 0) {
        return exact;
    }
    DIR* items = ::opendir(folder.c_str());
    if (items == nullptr) {
        return std::nullopt;
    }
    const std::string wanted = lowerCase(name);
    std::optional<std::string> found;
    std::string storage;
    // A name whose bytes are not UTF-8 is catalogued as its Windows-1252 reading, and a name
    // with characters a catalogue cannot hold with stand-ins for them.
    while (const dirent* item = ::readdir(items)) {
        if (lowerCase(fileNameText(item->d_name, storage)) == wanted) {
            found = folder + "/" + item->d_name;
            break;
        }
    }
    ::closedir(items);
    return found;
}

}  // namespace

std::optional<std::string> findPathIgnoringCase(const std::string& base,
                                                const std::vector<std::string>& names) {
    struct stat status;
    if (::stat(base.c_str(), &status) != 0) {
        return std::nullopt;
    }
    std::optional<std::string> path = base;
    for (const std::string& name : names) {
        if (name == "." || name == ".." || name.find('/') != std::string::npos) {
            return std::nullopt;
        }
        path = findInFolder(*path, name);
        if (!path) {
            return std::nullopt;
        }
    }
    return path;
}

}  // namespace vorlix
