#pragma once

#include <cstdint>

namespace vorlix::archive {

// Constants of the object archive that catalogue, accounts and help playlist files are made of.
inline constexpr std::uint16_t kCountEscape = 0xFFFF;     // count: a DWORD follows
inline constexpr std::uint8_t kTextByteEscape = 0xFF;     // text: a WORD length follows
inline constexpr std::uint16_t kTextWordEscape = 0xFFFF;  // text: a DWORD length follows
inline constexpr std::uint16_t kTextWide = 0xFFFE;        // text: UTF-16LE characters follow
inline constexpr std::uint16_t kNullTag = 0x0000;
inline constexpr std::uint16_t kNewClassTag = 0xFFFF;
inline constexpr std::uint16_t kClassTag = 0x8000;
inline constexpr std::uint16_t kBigObjectTag = 0x7FFF;
inline constexpr std::uint32_t kBigClassTag = 0x80000000;
inline constexpr std::uint32_t kMaxMapCount = 0x3FFFFFFE;
inline constexpr std::uint16_t kMaxClassNameLength = 64;  // names must be shorter

}  // namespace vorlix::archive
