#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// One freedb database entry in the xmcd format, values unescaped ("\n", "\t", "\\") and a value
// spread over several lines of the same key joined back together.
struct XmcdRecord {
    std::string discIds;    // DISCID: the ids this entry is filed under, comma-separated
    std::string discTitle;  // DTITLE: "Artist / Title"
    std::string year;       // DYEAR
    std::string genre;      // DGENRE
    std::string extended;   // EXTD
    std::string playOrder;  // PLAYORDER
    std::vector<std::string> trackTitles;    // TTITLEn, index n
    std::vector<std::string> trackExtended;  // EXTTn, index n
    int revision = 0;                        // "# Revision: n" comment; a new entry is revision 0
};

XmcdRecord parseXmcd(const std::vector<std::string>& lines);

struct ArtistAndTitle {
    std::string artist;
    std::string title;
};

// A DTITLE is "Artist / Title"; without the separator artist and title are the same.
ArtistAndTitle splitDiscTitle(std::string_view discTitle);

}  // namespace vorlix
