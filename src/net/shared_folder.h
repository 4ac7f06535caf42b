#pragma once

#include <string>
#include <string_view>

#include "core/result.h"

namespace vorlix {

inline constexpr std::string_view kSharedFolderName = "MySharedDatabase";
inline constexpr std::string_view kSharedReadmeName = "README.txt";
inline constexpr std::string_view kSharedReadmeText =
    "This folder contains your shared cd database.\r\nIt is generated automatically by Orvanta.";
// The shared catalogue written after every load and save, which the chat component offers.
inline constexpr std::string_view kSharedDatabaseName = "MySharedDatabase.vrd";
// The shared catalogue written when the disc tree is first filled.
inline constexpr std::string_view kTreeSharedDatabaseName = "SharedDatabase.qvd";

// The shared folder of the program folder, which ends with "/".
std::string sharedFolderOf(const std::string& programFolder);

// Creates the shared folder (an existing one is kept) and writes its README.txt whole, so that
// no text of an older, longer README is left behind.
Result prepareSharedFolder(const std::string& sharedFolder);

}  // namespace vorlix
