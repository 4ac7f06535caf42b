#pragma once

#include <string>
#include <string_view>

namespace vorlix {

class CQXCatalog;

// The key of a disc's cover picture among the catalogue's named objects: "CD" and the number.
std::string coverKey(std::string_view number);

// Forgets the disc's cover picture; false when it had none.
bool removeCover(CQXCatalog& catalogue, std::string_view number);

}  // namespace vorlix
