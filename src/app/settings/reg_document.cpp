#include "app/settings/reg_document.h"

#include <algorithm>
#include <utility>

#include "core/code_page.h"
#include "core/text_case.h"

namespace vorlix {

namespace {

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isAtOrBelow(std::string_view path, std::string_view key) {
    if (sameRegName(path, key)) {
        return true;
    }
    // Compare the leading part of path, up to each of its backslashes, with key.
    for (std::size_t slash = path.find('\\'); slash != std::string_view::npos;
         slash = path.find('\\', slash + 1)) {
        if (sameRegName(path.substr(0, slash), key)) {
            return true;
        }
    }
    return false;
}

RegEntry* findValueEntry(RegSection& section, std::string_view name) {
    for (auto& entry : section.entries) {
        if (entry.kind == RegEntry::Kind::Value && sameRegName(entry.value.name, name)) {
            return &entry;
        }
    }
    return nullptr;
}

bool putValue(RegSection& section, RegValue value) {
    if (RegEntry* entry = findValueEntry(section, value.name)) {
        if (entry->value.type == value.type && entry->value.data == value.data) {
            return false;
        }
        entry->value.type = value.type;
        entry->value.data = std::move(value.data);
        return true;
    }
    RegEntry added;
    added.value = std::move(value);
    section.entries.push_back(std::move(added));
    return true;
}

}  // namespace

std::string_view normalizedKeyPath(std::string_view key) {
    while (!key.empty() && key.back() == '\\') {
        key.remove_suffix(1);
    }
    return key;
}

std::string dwordData(std::uint32_t number) {
    std::string data;
    for (int shift = 0; shift < 32; shift += 8) {
        data.push_back(static_cast<char>((number >> shift) & 0xFF));
    }
    return data;
}

std::uint32_t dwordFromData(std::string_view data) {
    std::uint32_t number = 0;
    for (std::size_t i = data.size(); i > 0; --i) {
        number = number << 8 | static_cast<unsigned char>(data[i - 1]);
    }
    return number;
}

bool isKeyPath(std::string_view path) {
    return !path.empty() && path.front() != '\\' && path.find("\\\\") == std::string_view::npos;
}

bool sameRegName(std::string_view a, std::string_view b) {
    if (isAscii(a) && isAscii(b)) {
        return std::ranges::equal(a, b,
                                  [](char x, char y) { return asciiLower(x) == asciiLower(y); });
    }
    return lowerCase(a) == lowerCase(b);
}

void RegDocument::mergeDuplicateKeys() {
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].kind != RegSection::Kind::Key) {
            continue;
        }
        for (std::size_t j = i + 1; j < sections.size();) {
            if (sections[j].kind != RegSection::Kind::Key ||
                !sameRegName(sections[j].path, sections[i].path)) {
                ++j;
                continue;
            }
            for (auto& entry : sections[j].entries) {
                if (entry.kind == RegEntry::Kind::Value) {
                    putValue(sections[i], std::move(entry.value));
                } else {
                    sections[i].entries.push_back(std::move(entry));
                }
            }
            sections.erase(sections.begin() + static_cast<std::ptrdiff_t>(j));
        }
    }
}

RegSection* RegDocument::findKey(std::string_view key) {
    return const_cast<RegSection*>(std::as_const(*this).findKey(key));
}

const RegSection* RegDocument::findKey(std::string_view key) const {
    key = normalizedKeyPath(key);
    for (const auto& section : sections) {
        if (section.kind == RegSection::Kind::Key && sameRegName(section.path, key)) {
            return &section;
        }
    }
    return nullptr;
}

const RegValue* RegDocument::findValue(std::string_view key, std::string_view name) const {
    const RegSection* section = findKey(key);
    if (section == nullptr) {
        return nullptr;
    }
    for (const auto& entry : section->entries) {
        if (entry.kind == RegEntry::Kind::Value && sameRegName(entry.value.name, name)) {
            return &entry.value;
        }
    }
    return nullptr;
}

bool RegDocument::keyExists(std::string_view key) const {
    key = normalizedKeyPath(key);
    if (key.empty()) {
        return false;
    }
    return std::ranges::any_of(sections, [key](const RegSection& section) {
        return section.kind == RegSection::Kind::Key && isAtOrBelow(section.path, key);
    });
}

bool RegDocument::setValue(std::string_view key, RegValue value) {
    if (RegSection* section = findKey(key)) {
        return putValue(*section, std::move(value));
    }
    // A key that exists only as the parent of others gets a section of its own.
    if (!keyExists(key)) {
        return false;
    }
    createKey(key);
    return putValue(*findKey(key), std::move(value));
}

bool RegDocument::deleteValue(std::string_view key, std::string_view name) {
    RegSection* section = findKey(key);
    if (section == nullptr) {
        return false;
    }
    return std::erase_if(section->entries, [name](const RegEntry& entry) {
               return entry.kind == RegEntry::Kind::Value && sameRegName(entry.value.name, name);
           }) > 0;
}

bool RegDocument::createKey(std::string_view key) {
    key = normalizedKeyPath(key);
    if (!isKeyPath(key) || findKey(key) != nullptr) {
        return false;
    }
    RegSection section;
    section.path = std::string(key);
    sections.push_back(std::move(section));
    return true;
}

bool RegDocument::deleteKey(std::string_view key) {
    key = normalizedKeyPath(key);
    if (key.empty()) {
        return false;
    }
    return std::erase_if(sections, [key](const RegSection& section) {
               return section.kind == RegSection::Kind::Key && isAtOrBelow(section.path, key);
           }) > 0;
}

}  // namespace vorlix
