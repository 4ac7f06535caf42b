#pragma once

#include <memory>

#include "core/disc.h"

namespace vorlix {

class CQX2Doc;

// Puts a saved scan's disc or a blank disc into the open catalogue: appended, made the current
// disc, shown by the panes, the document marked modified. With autoSave the catalogue is then
// written at once, new disc included; a catalogue never saved gets the "Save CD" message.
void insertDisc(CQX2Doc& document, std::unique_ptr<CQXDisc> disc, bool autoSave);

// Add Blank CD: the owner test (which an empty catalogue fails), then the blank disc.
void addBlankDisc(CQX2Doc& document);

}  // namespace vorlix
