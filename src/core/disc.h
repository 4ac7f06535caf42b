#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_data.h"
#include "core/text_arena.h"

namespace vorlix {

// The location of a disc that is available; any other location names the borrower.
inline constexpr std::string_view kHomeLocation = "home";

// The texts of one disc and the names of the categories attached to it. Every field is a text,
// numbers, dates, sizes and flags included, because that is how the catalogue file keeps them.
struct DiscTexts {
    std::string number;
    std::string quality;
    std::string info;  // XML text with the root element "info"
    std::string artist;
    std::string name;
    std::string location;  // "home" when available, else the borrower or "virtual"
    std::string date;
    std::string lendDate;
    std::string outline;  // folder tree, one CR LF terminated line per folder, tab-indented
    std::string ownerName;
    std::string ownerDigest;
    std::string shared;  // "Yes" or "No"
    std::string serial;
    std::string size;
    std::vector<std::string> categories;
};

// One disc of the catalogue; owns the entries of the files recorded from it, in walk order.
class CQXDisc : public DiscTexts {
public:
    // Holds the texts of entries read from a file; declared first so that it outlives them.
    // Such entries stay with this disc.
    TextArena textArena;
    std::vector<std::unique_ptr<CQXFileData>> files;
};

// The outline with its first line replaced by "<number part> <newName>", the number part being
// the outline up to its first space.
std::string outlineWithName(const std::string& outline, const std::string& newName);

}  // namespace vorlix
