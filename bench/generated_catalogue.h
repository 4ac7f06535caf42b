#pragma once

#include "core/catalog.h"

namespace vorlix::bench {

// A catalogue of `discs` discs with `filesPerDisc` entries each, with realistic names, folders,
// sizes and a few categories; the same arguments always give the same catalogue.
CQXCatalog generatedCatalogue(int discs, int filesPerDisc);

}  // namespace vorlix::bench
