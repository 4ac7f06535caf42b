// Feeds arbitrary bytes to the scan filter list parser. Every list that was read can be written
// (each byte of the code page stands for a character) and reads back as the same entries; a
// file already in the written form (every line ended by CR LF) is written back byte for byte.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/code_page.h"
#include "fuzz_support.h"
#include "scan/filter_list_file.h"

namespace {

using vorlix::FilterListFile;

// Whether every line of the bytes ends in CR LF, the last one included.
bool inWrittenForm(std::string_view bytes) {
    if (!bytes.empty() && !bytes.ends_with(vorlix::kListLineEnd)) {
        return false;
    }
    for (std::size_t at = bytes.find('\n'); at != std::string_view::npos;
         at = bytes.find('\n', at + 1)) {
        if (at == 0 || bytes[at - 1] != '\r') {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vorlix::Windows1252 codePage;
    const std::string_view bytes = bytesOf(data, size);
    const std::vector<std::string> entries = FilterListFile::parse(bytes, codePage);
    const std::optional<std::string> written = FilterListFile::format(entries, codePage);
    check(written.has_value());
    check(FilterListFile::parse(*written, codePage) == entries);
    check(!inWrittenForm(bytes) || *written == bytes);
    return 0;
}
