#pragma once

#include <string>

namespace vorlix {

// One file of a help playlist: which disc holds it and its name as catalogued.
struct CQXHPlaylist {
    std::string discNumber;
    std::string fileName;
};

}  // namespace vorlix
