#include "app/settings/reg_import.h"

#include <algorithm>

#include "app/settings/file_bytes.h"
#include "app/settings/reg_parser.h"
#include "app/settings/settings_batch.h"
#include "app/settings_store.h"

namespace vorlix {

namespace {

bool applyValue(SettingsStore& store, const std::string& key, const RegValue& value) {
    switch (value.type) {
        case reg::ValueType::String:
            store.writeText(key, value.name, value.data);
            return true;
        case reg::ValueType::Dword:
            if (value.data.size() != 4) {
                return false;
            }
            store.writeNumber(key, value.name, dwordFromData(value.data));
            return true;
        case reg::ValueType::Binary:
            store.writeBinary(key, value.name, value.data);
            return true;
        default:
            return false;
    }
}

void applySection(SettingsStore& store, const RegSection& section, RegImportResult& result) {
    if (section.kind == RegSection::Kind::KeyDeletion) {
        store.deleteKey(section.path);
        ++result.applied;
        for (const auto& entry : section.entries) {
            if (entry.kind != RegEntry::Kind::Kept) {
                result.skipped.push_back({entry.line, "a value under a key being deleted"});
            }
        }
        return;
    }
    store.createKey(section.path);
    ++result.applied;
    for (const auto& entry : section.entries) {
        if (entry.kind == RegEntry::Kind::Deletion) {
            store.deleteValue(section.path, entry.value.name);
            ++result.applied;
        } else if (entry.kind == RegEntry::Kind::Value) {
            if (applyValue(store, section.path, entry.value)) {
                ++result.applied;
            } else {
                result.skipped.push_back(
                    {entry.line, "a value of a type the settings do not keep"});
            }
        }
    }
}

}  // namespace

RegImportResult importRegText(SettingsStore& store, std::string_view bytes) {
    RegDocument document = parseRegText(bytes);
    RegImportResult result;
    if (document.version == RegDocument::Version::Missing) {
        result.failure = "not a registry file: the registry editor's header line is missing";
        return result;
    }
    result.skipped = std::move(document.issues);
    {
        const SettingsBatch batch(store);
        for (const auto& section : document.sections) {
            if (section.kind != RegSection::Kind::Kept) {
                applySection(store, section, result);
            }
        }
    }
    std::ranges::stable_sort(result.skipped, {}, &RegIssue::line);
    return result;
}

RegImportResult importRegFile(SettingsStore& store, const std::string& path) {
    std::string bytes;
    if (const Result read = readFileBytes(path, bytes); !read.ok()) {
        RegImportResult result;
        result.failure = "cannot read " + path + ": " + read.message();
        return result;
    }
    return importRegText(store, bytes);
}

}  // namespace vorlix
