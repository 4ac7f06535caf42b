#pragma once

#include <span>

namespace vorlix {

class ArchiveWriter;
class CQXDisc;

// Writes the discs one after another as the catalogue file holds them, each file entry's disc
// number reset to "0" as storing does. A large list is cut into parts of a few thousand entries
// that `workers` threads serialise side by side, each part handed to the writer's sink in its
// place as soon as it and those before it are done; the bytes are those of one thread.
void writeDiscList(ArchiveWriter& writer, std::span<CQXDisc* const> discs, unsigned workers);

}  // namespace vorlix
