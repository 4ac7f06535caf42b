#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/reg_document.h"

namespace vorlix {

class SettingsStore;

// What an import did. A file that could not be read, or that is not a registry file (no
// registry editor header), changes nothing; otherwise every line that could be applied was,
// and the others are listed.
struct RegImportResult {
    std::string failure;  // empty when the file was read and is a registry file
    std::size_t applied = 0;
    std::vector<RegIssue> skipped;
};

// Applies a .reg file to the store as the registry editor imports it: each key of
// HKEY_CURRENT_USER is created and its values written, "name"=- deletes a value and [-key]
// deletes a key. Value types the store does not keep (expandable and multiple texts, QWORDs)
// and keys of other hives are skipped. The changes are stored together at the end.
RegImportResult importRegFile(SettingsStore& store, const std::string& path);
RegImportResult importRegText(SettingsStore& store, std::string_view bytes);

}  // namespace vorlix
