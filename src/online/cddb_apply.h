#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "online/cddb_results.h"

namespace vorlix {

class CQXCatalog;
class UserPrompt;

inline constexpr std::string_view kApplyNoDiscMessage = "Error Occurred: Operation aborted";
inline constexpr std::string_view kApplyNoEntryMessage =
    "Error Occurred: Operation aborted. Please scan again the CD.";
inline constexpr std::string_view kApplyNoStateMessage =
    "Error Occurred: Operation Aborted. Please scan the CD again.";

// What applying a lookup changes besides the track names, named by effect. The dialog's boxes
// are labelled the other way round: "Replace Artist Info with Album Artist / Year" renames the
// disc and "Replace CD Name with Album Title" sets its artist.
struct CddbApplyOptions {
    bool renameDisc = true;
    bool setArtist = true;
    bool addTrackLength = false;
    bool assignCategory = false;
};

// Writes a lookup's results into one disc of the catalogue: its name, artist and category,
// track entry i renamed after row i, and the freedb state "yes". A missing entry or state is
// reported through the prompt and the rest still applied; false when anything was reported.
class CddbApply {
public:
    CddbApply(CQXCatalog& catalogue, UserPrompt& prompt);

    bool apply(std::string_view number, const CddbResults& results,
               const CddbApplyOptions& options);

private:
    bool renameTracks(std::string_view number, const std::vector<CddbTrackRow>& rows,
                      bool addTrackLength);
    void assignCategory(std::string_view number, const std::string& category);

    CQXCatalog& m_catalogue;
    UserPrompt& m_prompt;
};

// "Artist (1999)", or the artist alone without a year.
std::string artistWithYear(const std::string& artist, const std::string& year);

// "01 Title 3:20.cda" with the length, "01 Title.cda" without.
std::string trackEntryName(const CddbTrackRow& row, bool addTrackLength);

}  // namespace vorlix
