#pragma once

#include <vector>

#include "core/disc.h"

namespace vorlix {

// The disc the panes show: a copy of a catalogue disc's texts whose file list refers to the
// catalogue's own entries.
struct CurrentDisc : DiscTexts {
    std::vector<CQXFileData*> files;

    void assign(const CQXDisc& disc);
    void clear();
};

}  // namespace vorlix
