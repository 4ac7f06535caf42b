#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/price_block.h"

namespace vorlix {

class CQXCatalog;

// Keeps a found cover with the disc: the picture's bytes, exactly as downloaded, under "CD" and
// the disc's number among the catalogue's named objects (replacing an older one), and the price
// block in the disc's information record when the record has an info root. False when the
// catalogue has no such disc.
bool storeCover(CQXCatalog& catalogue, std::string_view number,
                const std::vector<std::uint8_t>& picture, const PriceBlock& price);

}  // namespace vorlix
