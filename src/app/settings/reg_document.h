#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/reg_format.h"

namespace vorlix {

// One value of a key. Texts (type String) hold UTF-8; a DWORD holds its four bytes
// little-endian; every other type holds its raw bytes.
struct RegValue {
    std::string name;  // empty for the key's unnamed value
    reg::ValueType type = reg::ValueType::String;
    std::string data;
};

// A line of a .reg file in the order it came: a value, a value deletion (import only), or
// lines that are not taken apart (comments, damaged lines) and are written back unchanged.
struct RegEntry {
    enum class Kind { Value, Deletion, Kept };
    Kind kind = Kind::Value;
    std::size_t line = 0;           // 1-based line of the file it came from; 0 when added
    RegValue value;                 // Value; Deletion uses only the name
    std::vector<std::string> kept;  // Kept: the lines as read, without their line ends
};

// A bracketed section with the lines up to the next one. Sections of other hives and damaged
// section lines are kept with everything under them, so that nothing the parser does not
// understand is lost when the file is written again.
struct RegSection {
    enum class Kind { Key, KeyDeletion, Kept };
    Kind kind = Kind::Key;
    std::size_t line = 0;    // 1-based line of the file it came from; 0 when added
    std::string path;        // Key, KeyDeletion: the key below HKEY_CURRENT_USER
    std::string keptHeader;  // Kept: the section line as read
    std::vector<RegEntry> entries;
};

// A line the parser could not take apart, or took but will not apply.
struct RegIssue {
    std::size_t line = 0;  // 1-based line of the file
    std::string reason;
};

// The contents of a .reg file, kept in file order so that writing it back changes only what
// was edited. Key paths and value names compare without regard to case, as in the registry;
// the spelling first stored is kept.
class RegDocument {
public:
    enum class Version { Missing, Four, Five };

    Version version = Version::Missing;
    std::vector<std::string> leading;  // lines before the first section, header excluded
    std::vector<RegSection> sections;
    std::vector<RegIssue> issues;

    // Sections of the same key become one, later values replacing earlier ones of the same
    // name, which is what importing the file would leave in the registry.
    void mergeDuplicateKeys();

    const RegValue* findValue(std::string_view key, std::string_view name) const;
    bool keyExists(std::string_view key) const;

    // Each returns whether the document changed. A value goes only into an existing key.
    bool setValue(std::string_view key, RegValue value);
    bool deleteValue(std::string_view key, std::string_view name);
    bool createKey(std::string_view key);
    bool deleteKey(std::string_view key);

private:
    RegSection* findKey(std::string_view key);
    const RegSection* findKey(std::string_view key) const;
};

// The key path as the registry takes it: without the trailing backslashes that some callers
// append; empty when there is no key left.
std::string_view normalizedKeyPath(std::string_view key);

// The four little-endian bytes a DWORD value holds, and back.
std::string dwordData(std::uint32_t number);
std::uint32_t dwordFromData(std::string_view data);

// Whether a normalized key path names a key: not empty, no empty part between backslashes.
bool isKeyPath(std::string_view path);

// Whether two key paths or value names are the same to the registry.
bool sameRegName(std::string_view a, std::string_view b);

}  // namespace vorlix
