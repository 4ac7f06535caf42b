#pragma once

#include <string_view>

namespace vorlix {

class CQXCatalog;
class UserPrompt;

inline constexpr std::string_view kUnauthorizedMessage = "Unauthorized Action!";
inline constexpr std::string_view kNoMediaTagToResetMessage =
    "This CD doesn't have a media tag. Please scan it anew and try again.";

// "Reset CDDB Media Tag": sets the disc's freedb state back to "no" so that the next batch
// lookup takes it again. Only the owner may; true when the record changed.
bool resetCddbMediaTag(CQXCatalog& catalogue, std::string_view number, bool owner,
                       UserPrompt& prompt);

}  // namespace vorlix
