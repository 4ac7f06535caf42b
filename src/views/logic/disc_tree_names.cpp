#include "views/logic/disc_tree_names.h"

#include "core/disc.h"
#include "core/file_data.h"
#include "core/numbers.h"
#include "core/text_case.h"

namespace vorlix {

namespace {

constexpr char kSeparator = '\\';

// The folder path without its drive part ("d:") and without its final "\"; empty for the root.
std::string_view folderBelowDrive(std::string_view folder) {
    const std::size_t colon = folder.find(':');
    if (colon != std::string_view::npos) {
        folder.remove_prefix(colon + 1);
    }
    while (!folder.empty() && folder.back() == kSeparator) {
        folder.remove_suffix(1);
    }
    return folder;
}

}  // namespace

std::string_view discNumberOfItem(std::string_view itemText) {
    return itemText.substr(0, itemText.find(' '));
}

std::string discItemText(std::string_view number, std::string_view name) {
    std::string text(number);
    text += ' ';
    text += name;
    return text;
}

std::string cleanDiscName(std::string_view edited, const std::string& currentName) {
    const std::size_t space = edited.find(' ');
    if (space != std::string_view::npos && leadingInt(edited.substr(0, space)) != 0) {
        edited.remove_prefix(space + 1);
    }
    return edited.empty() ? currentName : std::string(edited);
}

std::string joinItemPath(const std::vector<std::string>& texts) {
    std::string path;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0 && (path.empty() || path.back() != kSeparator)) {
            path += kSeparator;
        }
        path += texts[i];
    }
    return path;
}

std::string locatePath(const DiscTexts& disc, const CQXFileData& entry) {
    std::string path = discItemText(disc.number(), disc.name());
    const std::string_view folder = folderBelowDrive(entry.folder());
    if (!folder.empty()) {
        if (folder.front() != kSeparator) {
            path += kSeparator;
        }
        path += folder;
    }
    return lowerCase(path);
}

}  // namespace vorlix
