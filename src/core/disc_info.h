#pragma once

#include <optional>
#include <string>
#include <string_view>

// The disc information record: the XML text in each disc that holds the notes, the freedb state,
// the audio media tag and the price lookup's data. Several parts of the program read and rewrite
// it, some by plain string replacement, so its exact layout is shared through these functions.
namespace vorlix::disc_info {

// A child of the record's root element: its data, and whether the element is there at all.
struct ChildValue {
    std::string value;
    bool exists = false;
};

// The price lookup's data kept in the record; each part is empty when it is absent.
struct PriceData {
    std::string date;
    std::string newPrice;
    std::string usedPrice;
    std::string asin;
};

// The data of the notes child of an info root; a record without one is all notes.
std::string readNotes(std::string_view record);
ChildValue readMediaTag(std::string_view record);
ChildValue readFreedbState(std::string_view record);
PriceData readPriceData(std::string_view record);
std::string readMode(std::string_view record);
// Covers of DVDs and software are shown upright, all others on their side.
bool hasPortraitCover(std::string_view record);

// Returns the record text with the notes replaced, creating the info record when there is none;
// nullopt when the record's notes element cannot be changed so that it reads back as the notes
// (one holding elements of its own, say), which leaves the record as it is.
[[nodiscard]] std::optional<std::string> storeNotes(std::string_view record,
                                                    std::string_view notes);
// Returns the record text with the freedb state set, or nullopt when the record has no freedb
// state to set (the disc needs scanning again).
std::optional<std::string> setFreedbState(std::string_view record, bool yes);

std::string scannedAudioRecord(std::string_view mediaTag);
std::string scannedDataRecord();

}  // namespace vorlix::disc_info
