// Feeds arbitrary bytes to the help playlist reader, and stores a playlist made from the input.
// A playlist that was read must be written and read back unchanged, and writing is a fixed
// point from the first write on. Items with any texts, in the code page or not, must come back
// from their file as they were.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/archive_reader.h"
#include "core/byte_source.h"
#include "core/code_page.h"
#include "core/help_playlist_format.h"
#include "fuzz_support.h"

namespace {

using vorlix::CQXHPlaylist;

const vorlix::Windows1252 kCodePage;

bool sameItems(const std::vector<CQXHPlaylist>& a, const std::vector<CQXHPlaylist>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].discNumber != b[i].discNumber || a[i].fileName != b[i].fileName) {
            return false;
        }
    }
    return true;
}

std::vector<CQXHPlaylist> read(std::string_view bytes) {
    vorlix::MemorySource source(bytes);
    return vorlix::readHelpPlaylist(source, kCodePage);
}

void checkRoundTrip(const std::vector<CQXHPlaylist>& items) {
    const std::string written = vorlix::writeHelpPlaylist(items, kCodePage);
    std::vector<CQXHPlaylist> reread;
    try {
        reread = read(written);
    } catch (const vorlix::ArchiveError&) {
        check(false);
    }
    check(sameItems(items, reread));
    check(vorlix::writeHelpPlaylist(reread, kCodePage) == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = bytesOf(data, size);
    try {
        checkRoundTrip(read(bytes));
    } catch (const vorlix::ArchiveError&) {
        // A damaged playlist is refused whole.
    }

    const std::vector<std::string> texts = textsFrom(bytes);
    std::vector<CQXHPlaylist> made;
    for (std::size_t i = 0; i + 1 < texts.size(); i += 2) {
        made.push_back(CQXHPlaylist{texts[i], texts[i + 1]});
    }
    checkRoundTrip(made);
    return 0;
}
