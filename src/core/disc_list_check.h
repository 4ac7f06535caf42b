#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/archive_reader.h"

namespace vorlix {

class CodePage;

// A place between two discs of a catalogue file, from which the discs can be read apart from
// those before them: the index of the next disc and where the archive stands.
struct DiscListPlace {
    std::uint32_t disc = 0;
    ArchivePlace archive;
};

// Opens a source of the same bytes whose next byte is the one at `offset`, for a reader that
// works beside another.
using SourceFrom = std::function<std::unique_ptr<ByteSource>(std::uint64_t offset)>;

struct DiscListCheck {
    // Before the first disc, after the last one, and between them about every `spacing` bytes.
    std::vector<DiscListPlace> places;
    // Whether the reader went through the whole list; otherwise what follows it is to be read
    // from the last place.
    bool readerAtEnd = true;
};

// Goes over `discCount` discs from where the reader stands (before the first one) with every
// check that reading them makes, and keeps nothing: throws the ArchiveError that reading them
// would throw. With `from`, a list of many runs is gone over by two readers side by side: the
// second starts at a disc it finds near the middle of what is left, and its work counts only
// when the first, coming from the start, arrives exactly there knowing what the second
// assumed; otherwise the first goes on alone, and any failure is the one the first meets.
DiscListCheck checkDiscList(ArchiveReader& reader, std::uint32_t discCount,
                            const CodePage& codePage, std::uint64_t spacing, std::uint64_t fileSize,
                            const SourceFrom& from);

}  // namespace vorlix
