#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/disc.h"

namespace vorlix {

class CQX2Doc;
class UserPrompt;

// Shown when a scan is to be saved automatically into a catalogue that has no file yet.
inline constexpr std::string_view kSaveCdMessage = "Save CD";

// Puts a saved scan's disc into the open catalogue: appended, made the current disc, the
// document marked modified. A number that another disc has taken since the scan dialog opened
// gives way to the next free one, and the user is told. With autoSave the catalogue is then
// written at once, new disc included; a catalogue never saved gets the "Save CD" message and
// keeps the disc all the same.
void insertDisc(CQX2Doc& document, std::unique_ptr<CQXDisc> disc, bool autoSave,
                UserPrompt& prompt);

// The message for a saved scan whose number was taken meanwhile.
std::string numberTakenMessage(const std::string& taken, const std::string& given);

// Add Blank CD: refused while a scan dialog is open, whose disc would take the same number;
// then the owner test (which an empty catalogue fails), then the blank disc, inserted without
// the automatic save.
void addBlankDisc(CQX2Doc& document, UserPrompt& prompt);

}  // namespace vorlix
