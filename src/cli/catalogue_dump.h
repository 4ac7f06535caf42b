#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "core/disc_visitor.h"

namespace vorlix {

class CQXCatalog;
class LineBuffer;

// Shows a catalogue as stored, one disc at a time as it is read, so that a dump never holds
// more than one disc of it: each disc in list order, then the rest of the catalogue. Runs of
// discs may be shown apart, each by a dump of its own, and their output put in its place.
class CatalogueDump : public DiscVisitor {
public:
    // After the last disc: the categories and the named objects, in the order the file stores
    // them.
    virtual void finish(const CQXCatalog& rest) = 0;

    // A dump of the same form for a run of discs, whose output collects in `collected`.
    virtual std::unique_ptr<CatalogueDump> dumpApart(LineBuffer& collected) const = 0;
    // The next disc handed over is the catalogue's disc at `index` (counted from 0).
    virtual void goOnAt(std::uint32_t index) = 0;
    // Output that a dump made apart: it goes out after what this dump has shown so far.
    virtual void show(std::string_view madeApart) = 0;
};

}  // namespace vorlix
