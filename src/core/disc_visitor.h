#pragma once

#include <cstdint>
#include <string_view>

namespace vorlix {

class CQXDisc;
class TextList;

// Receives the file entries of a disc one by one as they are read. The texts are valid during
// the call only; the categories may be taken.
class FileEntrySink {
public:
    virtual ~FileEntrySink() = default;
    // A disc's entries start: `count` of them follow.
    virtual void begin(std::uint32_t count) = 0;
    virtual void entry(std::string_view name, std::string_view folder, std::string_view size,
                       std::string_view drive, TextList& categories) = 0;
};

// Takes a catalogue disc by disc without keeping it, for a caller that looks at each disc once:
// the entries of a disc as they are read, then the disc itself.
class DiscVisitor {
public:
    virtual ~DiscVisitor() = default;
    // Before the first disc: how many follow.
    virtual void start(std::uint32_t discCount) = 0;
    virtual FileEntrySink& entries() = 0;
    // The disc whose entries were just handed over, with its texts and categories; its own list
    // of entries is empty, and the disc is valid during the call only.
    virtual void disc(const CQXDisc& disc) = 0;
};

}  // namespace vorlix
