#pragma once

#include <cstddef>
#include <memory>

#include "core/catalog.h"

namespace vorlix::test {

// A small catalogue that uses every part of the file format: several discs with files and
// categories, texts outside ASCII and outside the code page, long texts, every kind of named
// object including a cover picture.
CQXCatalog sampleCatalogue();

// A disc of `entries` file entries of every kind of text: plain, beyond ASCII, beyond the code
// page (written wide), long, empty, with categories; some gathered with another disc's number,
// as in search results. Every seventh disc has a long outline.
std::unique_ptr<CQXDisc> variedDisc(std::size_t number, std::size_t entries);

}  // namespace vorlix::test
