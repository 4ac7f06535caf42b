#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlix {

// The size text a file entry keeps: the low 32 bits of the size read as a signed number, "%d"
// (3,000,000,000 bytes give "-1294967296").
std::string storedSizeText(std::uint64_t bytes);

// A stored size text read back as the unsigned 32-bit value it was written from, so a file of
// 2 GiB or more never counts or shows as negative. Blanks, a sign and the leading digits count,
// as everywhere in the catalogue; anything else reads as 0.
std::uint32_t storedFileSize(std::string_view sizeText);

// Bytes in megabytes of 1,048,576 bytes with three decimals ("648.214"), with a "." whatever
// the locale: the text goes into catalogue files as well as onto the screen.
std::string megabytesText(double bytes);

}  // namespace vorlix
