#include "gui/stand_in_shared_catalogue.h"

namespace vorlix {

void StandInSharedCatalogue::publish(const CQXCatalog&) {}

}  // namespace vorlix
