#pragma once

#include <string>

namespace vorlix {

class CatalogueDump;
class CodePage;

// Shows a catalogue file without holding it in memory: the file is first gone over as a whole,
// so that a damaged file shows nothing but the command's one failure line, then read again in
// runs of discs on every core and shown in order, a few runs held at a time. A file of no bytes
// shows as an empty catalogue.
void dumpCatalogueFile(const std::string& path, const CodePage& codePage, CatalogueDump& dump);

}  // namespace vorlix
