#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// What the search window's caption says about the search it starts. A disc search:
// "CD search 'beatles". A file search: "Pattern 'mp3", then " in folder : 'music" for a folder,
// "' artist 'Queen" for an artist, and "' in CD 7" for a disc number, else "'" after an artist
// and "' in all CDs" without one. The quotes stay unbalanced as the window has always shown them.
struct SearchCaptionParts {
    std::string_view mode;
    std::string_view pattern;
    std::string_view folder;
    std::string_view artist;
    std::string_view discNumber;
};

std::string searchCaption(const SearchCaptionParts& parts);

}  // namespace vorlix
