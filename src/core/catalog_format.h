#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/archive_reader.h"
#include "core/catalog.h"
#include "core/disc_list_check.h"
#include "core/disc_visitor.h"

namespace vorlix {

class ArchiveWriter;
class ByteSink;
class CodePage;

// The persistent classes that catalogue and help playlist files hold.
namespace persistent_class {
inline constexpr ArchiveClass kDisc{"CQXDisc", 5, true};
inline constexpr ArchiveClass kFileData{"CQXFileData", 0, false};
inline constexpr ArchiveClass kHelpPlaylist{"CQXHPlaylist", 0, false};
inline constexpr ArchiveClass kStringList{"CStringList", 0, false};
inline constexpr ArchiveClass kStringMap{"CMapStringToString", 0, false};
inline constexpr ArchiveClass kByteArray{"CByteArray", 0, false};
}  // namespace persistent_class

// Every class a catalogue reader recognises by name.
std::vector<const ArchiveClass*> catalogueClasses();

// Reads a catalogue file into a root that already holds its default named objects; entries of
// the file replace defaults of the same key. Throws ArchiveError with the offset of the failure.
void readCatalogue(ByteSource& source, const CodePage& codePage, CQXCatalog& catalogue);
// The same, handing each disc to the visitor as it is read instead of keeping it: only the
// categories and named objects go into `rest`.
void readCatalogue(ByteSource& source, const CodePage& codePage, CQXCatalog& rest,
                   DiscVisitor& visitor);
// Goes over a catalogue file with every check that reading it makes and keeps nothing: throws
// the ArchiveError that readCatalogue would throw, at the same offset. Returns places between
// discs, in order: before the first disc, after the last one, and between them about every
// `spacing` bytes. With `from`, a long list is gone over by two readers side by side.
std::vector<DiscListPlace> checkCatalogue(
    ByteSource& source, const CodePage& codePage,
    std::uint64_t spacing = std::numeric_limits<std::uint64_t>::max(), const SourceFrom& from = {});
// Reads the discs of a catalogue from a place up to the disc `end`, handing each to the visitor
// (without start()); `source` goes on from the place. For a file that checkCatalogue found whole,
// which gave the place.
void visitDiscs(ByteSource& source, const CodePage& codePage, const DiscListPlace& from,
                std::uint32_t end, DiscVisitor& visitor);
// Reads what follows the discs into `rest` (its categories and named objects), from the place
// after the last disc.
void readCatalogueRest(ByteSource& source, const CodePage& codePage, const DiscListPlace& from,
                       CQXCatalog& rest);

// The file form of a catalogue. Resets every file entry's disc number to "0", as storing does.
// Throws what the sink throws.
void writeCatalogue(CQXCatalog& catalogue, const CodePage& codePage, ByteSink& sink);
std::string writeCatalogue(CQXCatalog& catalogue, const CodePage& codePage);

// The root's body for a root that refers to discs it does not own (the shared catalogue).
void writeCatalogueBody(ArchiveWriter& writer, std::span<CQXDisc* const> discs,
                        const TextList& categories, const NamedObjects& named);

// The pieces of the root's body, for a writer that takes one disc at a time: a file entry
// (after the disc's reference and entry count), a disc's texts and categories (after its
// entries), and what follows the discs.
void writeFileEntry(ArchiveWriter& writer, std::string_view name, std::string_view folder,
                    std::string_view size, std::string_view drive, const TextList& categories);
void writeDiscTexts(ArchiveWriter& writer, const DiscTexts& disc);
void writeCatalogueRest(ArchiveWriter& writer, const TextList& categories,
                        const NamedObjects& named);

// Entry indices of a map in the order the file lists them.
std::vector<std::size_t> fileOrder(const NamedObjects& map, const CodePage& codePage);
std::vector<std::size_t> fileOrder(const StringMap& map, const CodePage& codePage);

}  // namespace vorlix
