#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace vorlix {

// Why a freedb request failed, as the control's error event reports it. The code is the
// server's CDDB code (202 no match, 4xx/5xx its errors) or HTTP status (>= 300) when there is
// one, else one of the negative codes below.
struct FreedbFailure {
    std::int32_t code = 0;
    std::string text;
};

// A result, or why there is none.
template <typename T>
using FreedbOutcome = std::variant<T, FreedbFailure>;

namespace freedb_error {
inline constexpr std::int32_t kUnreachable = -1;
inline constexpr std::int32_t kBadMediaTag = -2;
inline constexpr std::int32_t kBadReply = -3;
inline constexpr std::int32_t kNothingToSubmit = -4;
inline constexpr std::int32_t kNoSuchMatch = -5;
}  // namespace freedb_error

}  // namespace vorlix
