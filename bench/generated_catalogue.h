#pragma once

#include "core/catalog.h"

namespace vorlix::bench {

// A catalogue of `discs` discs with `filesPerDisc` entries each, with realistic names, folders,
// sizes and a few categories; the same arguments always give the same catalogue. One name in
// twenty holds characters beyond ASCII, and one in 100,000 the word "Xylophon", for searches
// that find few entries.
CQXCatalog generatedCatalogue(int discs, int filesPerDisc);

}  // namespace vorlix::bench
