#pragma once

#include <cstdint>
#include <string>

#include "core/archive_reader.h"
#include "core/text_list.h"

namespace vorlix {

// Items that the records of a catalogue file share.

// Smallest stored sizes, used to bound a count by the bytes left before reserving for it.
inline constexpr std::uint64_t kMinTextSize = 1;
inline constexpr std::uint64_t kMinReferenceSize = 2;
inline constexpr std::uint64_t kMinFileEntrySize = 2 + 4 * kMinTextSize + 2;

// Reads a reference that must be a new object of the class; returns it with its schema.
ObjectReference expectNewObject(ArchiveReader& reader, const ArchiveClass& cls);

// A list of texts: `count` of them, or a count and then the texts.
void readTexts(ArchiveReader& reader, std::uint32_t count, TextList& texts, std::string& scratch);
void readTexts(ArchiveReader& reader, TextList& texts, std::string& scratch);
void skipTexts(ArchiveReader& reader);

}  // namespace vorlix
