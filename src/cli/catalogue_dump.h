#pragma once

#include "core/disc_visitor.h"

namespace vorlix {

class CQXCatalog;

// Shows a catalogue as stored, one disc at a time as it is read, so that a dump never holds
// more than one disc of it: each disc in list order, then the rest of the catalogue.
class CatalogueDump : public DiscVisitor {
public:
    // After the last disc: the categories and the named objects, in the order the file stores
    // them.
    virtual void finish(const CQXCatalog& rest) = 0;
};

}  // namespace vorlix
