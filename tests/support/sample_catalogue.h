#pragma once

#include "core/catalog.h"

namespace vorlix::test {

// A small catalogue that uses every part of the file format: several discs with files and
// categories, texts outside ASCII and outside the code page, long texts, every kind of named
// object including a cover picture.
CQXCatalog sampleCatalogue();

}  // namespace vorlix::test
