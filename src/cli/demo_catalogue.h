#pragma once

#include "core/catalog.h"

namespace vorlix {

// The demo catalogue the installation ships: an audio CD, data discs with folders, a DVD,
// a lent disc, categories and notes. Its discs carry no owner, so whoever opens it first
// becomes its owner.
CQXCatalog makeDemoCatalogue();

}  // namespace vorlix
