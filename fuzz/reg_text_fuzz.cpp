// Feeds arbitrary bytes to the .reg parser the way the settings store reads its file (parse,
// then merge sections of the same key), writes the document and reads that back. Whatever the
// parser took from the file must come back from the written text unchanged, and writing is a
// fixed point from the first write on.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings/reg_parser.h"
#include "app/settings/reg_writer.h"
#include "fuzz_support.h"

namespace {

using vorlix::RegDocument;
using vorlix::RegEntry;
using vorlix::RegSection;

RegDocument readAsTheStoreDoes(std::string_view bytes) {
    RegDocument document = vorlix::parseRegText(bytes);
    document.mergeDuplicateKeys();
    return document;
}

bool sameEntry(const RegEntry& a, const RegEntry& b) {
    return a.kind == b.kind && a.value.name == b.value.name && a.value.type == b.value.type &&
           a.value.data == b.value.data && a.kept == b.kept;
}

bool sameSection(const RegSection& a, const RegSection& b) {
    if (a.kind != b.kind || a.path != b.path || a.keptHeader != b.keptHeader ||
        a.entries.size() != b.entries.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.entries.size(); ++i) {
        if (!sameEntry(a.entries[i], b.entries[i])) {
            return false;
        }
    }
    return true;
}

// The same keys, values and kept lines in the same order; line numbers and issues may differ.
bool sameContent(const RegDocument& a, const RegDocument& b) {
    if (a.leading != b.leading || a.sections.size() != b.sections.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.sections.size(); ++i) {
        if (!sameSection(a.sections[i], b.sections[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RegDocument read =
        readAsTheStoreDoes(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string written = vorlix::formatRegText(read);
    const RegDocument reread = readAsTheStoreDoes(written);
    check(reread.version == RegDocument::Version::Five);
    check(sameContent(read, reread));
    check(vorlix::formatRegText(reread) == written);
    return 0;
}
