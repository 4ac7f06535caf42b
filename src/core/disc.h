#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/compact_text.h"
#include "core/file_entries.h"
#include "core/text_list.h"

namespace vorlix {

// The location of a disc that is available; any other location names the borrower.
inline constexpr std::string_view kHomeLocation = "home";

// The texts of one disc and the names of the categories attached to it. Every field is a text,
// numbers, dates, sizes and flags included, because that is how the catalogue file keeps them.
struct DiscTexts {
    CompactText number;
    CompactText quality;
    CompactText info;  // XML text with the root element "info"
    CompactText artist;
    CompactText name;
    CompactText location;  // "home" when available, else the borrower or "virtual"
    CompactText date;
    CompactText lendDate;
    CompactText outline;  // folder tree, one CR LF terminated line per folder, tab-indented
    CompactText ownerName;
    CompactText ownerDigest;
    CompactText shared;  // "Yes" or "No"
    CompactText serial;
    CompactText size;
    TextList categories;
};

// One disc of the catalogue; owns the entries of the files recorded from it, in walk order.
class CQXDisc : public DiscTexts {
public:
    FileEntries files;
};

// The outline with its first line replaced by "<number part> <newName>", the number part being
// the outline up to its first space.
std::string outlineWithName(const std::string& outline, const std::string& newName);

}  // namespace vorlix
