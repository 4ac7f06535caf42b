#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

class CQXCatalog;
class UserPrompt;

inline constexpr std::string_view kLookupAbortedMessage = "Error Occured:  Operation aborted.";
inline constexpr std::string_view kNoMediaTagMessage =
    "No media tag found. Please scan the CD one more time and try again.";

// The numbers of the discs whose freedb state is "no", in list order; discs without a freedb
// state are no audio CDs and are left out.
std::vector<std::string> unprocessedAudioDiscs(const CQXCatalog& catalogue);

// The batch summary's line for a disc it had to skip.
std::string invalidMediaTagLine(std::string_view number);

// The media tag the lookup dialog opens with; nothing, after saying why, when there is no
// catalogue or the disc has no media tag.
std::optional<std::string> openingMediaTag(const CQXCatalog* catalogue, std::string_view number,
                                           UserPrompt& prompt);

}  // namespace vorlix
