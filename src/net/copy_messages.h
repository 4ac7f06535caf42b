#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlix {

// The texts a copy sends to the copy tasks window, fields between "|" signs.

// "|id|percent|bytes|speed|", speed in kilobytes per second.
std::string copyProgressMessage(int id, int percent, std::uint64_t bytes, double speed);
// "|id|100|bytes|".
std::string copyCompletionMessage(int id, std::uint64_t bytes);
// "|id|".
std::string copyStopMessage(int id);

inline constexpr std::string_view kMissingField = "ERROR";

// Field n of a message: field 2 is the id, 3 the percent, 4 the bytes, 5 the speed; a field
// that the message does not close with "|" reads as kMissingField.
std::string copyMessageField(std::string_view message, int n);

}  // namespace vorlix
