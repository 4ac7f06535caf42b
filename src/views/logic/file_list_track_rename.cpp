#include "views/logic/file_list_track_rename.h"

#include <algorithm>

#include "core/file_data.h"

namespace vorlix {

namespace {

constexpr std::string_view kTrackExtension = ".cda";

std::string_view beforeFirstSpace(std::string_view text) {
    return text.substr(0, text.find(' '));
}

std::string_view trackNumber(std::string_view rememberedName) {
    if (rememberedName.starts_with('T')) {
        return rememberedName.substr(rememberedName.size() -
                                     std::min<std::size_t>(rememberedName.size(), 2));
    }
    return beforeFirstSpace(rememberedName);
}

}  // namespace

std::optional<TrackNames> renamedTrack(std::string_view rememberedName, std::string_view newText) {
    if (newText.empty()) {
        return std::nullopt;
    }
    const std::string_view number = trackNumber(rememberedName);
    const bool numbered = beforeFirstSpace(newText) == number;
    std::string rowName =
        numbered ? std::string(newText) : std::string(number) + " " + std::string(newText);
    std::string entryName = rowName + std::string(kTrackExtension);
    return TrackNames{std::move(rowName), std::move(entryName)};
}

bool isAudioTrackRow(const FileListRow& row) {
    return row.type == "CDA";
}

bool renameTrackRow(FileListRow& row, std::string_view newText) {
    std::optional<TrackNames> names = renamedTrack(row.name, newText);
    if (!names) {
        return false;
    }
    row.entry->setName(names->entryName);
    setRowName(row, std::move(names->rowName));
    return true;
}

}  // namespace vorlix
