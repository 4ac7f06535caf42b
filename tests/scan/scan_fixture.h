#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/code_page.h"
#include "core/file_entries.h"
#include "online/media_tag_source.h"
#include "scan/filter_lists.h"
#include "support/temp_dir.h"

namespace vorlix::test {

// Answers every drive with the same tag and remembers which drives were asked.
struct FakeMediaTags final : MediaTagSource {
    std::string tag = "0 150 15150 30150 600";
    std::vector<std::string> asked;
    std::string mediaTag(const std::string& drivePath) override {
        asked.push_back(drivePath);
        return tag;
    }
};

// Filter list files in a folder of their own, as the program folder holds them.
struct FilterListFiles {
    explicit FilterListFiles(const std::string& keep = "mp3\r\ncda\r\ngz\r\n",
                             const std::string& skip = "tmp\r\nbak\r\n") {
        write(keep, skip);
    }
    void write(const std::string& keep, const std::string& skip) const {
        writeFile(folder.file("ext.txt"), keep);
        writeFile(folder.file("noscan.txt"), skip);
    }

    TempDir folder;
    Windows1252 codePage;
    FilterLists lists{folder.path() + "/", codePage};
};

// "folder|name|size|drive" of every entry, for comparing whole walks at a glance.
inline std::vector<std::string> describe(const FileEntries& files) {
    std::vector<std::string> lines;
    for (const auto& file : files) {
        lines.push_back(std::string(file.folder()) + "|" + std::string(file.name()) + "|" +
                        std::string(file.size()) + "|" + std::string(file.drive()));
    }
    return lines;
}

}  // namespace vorlix::test
