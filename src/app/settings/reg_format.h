#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorlix::reg {

// The text form of registry exports (".reg" files), as the Windows registry editor writes
// and reads them.
inline constexpr std::string_view kHeaderVersion5 = "Windows Registry Editor Version 5.00";
inline constexpr std::string_view kHeaderVersion4 = "REGEDIT4";
inline constexpr std::string_view kCurrentUserHive = "HKEY_CURRENT_USER";

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
inline constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

// Value data prefixes: "name"="text", "name"=dword:0000000a, "name"=hex:01,02 and
// "name"=hex(N):.. for any other value type N; "name"=- deletes on import; @ names the key's
// unnamed value.
inline constexpr std::string_view kDwordPrefix = "dword:";
inline constexpr std::string_view kHexPrefix = "hex";
inline constexpr char kDefaultValueName = '@';
inline constexpr char kDeletionMark = '-';
inline constexpr char kContinuation = '\\';
inline constexpr char kCommentMark = ';';

// Lines of hex data are wrapped before this column, continuation mark included, with
// continuation lines indented by two spaces.
inline constexpr std::size_t kHexLineWidth = 80;
inline constexpr std::string_view kHexIndent = "  ";

// The registry's value types.
enum class ValueType : std::uint32_t {
    None = 0,
    String = 1,
    ExpandString = 2,
    Binary = 3,
    Dword = 4,
    DwordBigEndian = 5,
    Link = 6,
    MultiString = 7,
    Qword = 11,
};

}  // namespace vorlix::reg
