// Feeds arbitrary bytes to the catalogue reader. What the reader accepts the writer must keep:
// writing a file that was read, reading that back and writing again gives the same bytes but
// for the order of named objects within a hash bucket, which each write reverses, so a third
// write equals the first. The check that goes over a file without keeping it fails where the
// reader fails, at the same byte, alone and with a second reader started near the middle; and
// reading the discs in runs from the places it notes hands over what one reader of the whole
// file does.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog_format.h"
#include "core/code_page.h"

namespace {

const vorlix::Windows1252 kCodePage;

std::string rewrite(std::string_view bytes) {
    vorlix::CQXCatalog catalogue;
    vorlix::MemorySource source(bytes);
    vorlix::readCatalogue(source, kCodePage, catalogue);
    return vorlix::writeCatalogue(catalogue, kCodePage);
}

// Everything a visitor is handed, in the order it comes.
class Recorder final : public vorlix::DiscVisitor, public vorlix::FileEntrySink {
public:
    void start(std::uint32_t) override {}
    vorlix::FileEntrySink& entries() override { return *this; }
    void begin(std::uint32_t count) override { log += std::to_string(count) + "\n"; }
    void entry(std::string_view name, std::string_view folder, std::string_view size,
               std::string_view drive, vorlix::TextList& categories) override {
        for (std::string_view text : {name, folder, size, drive}) {
            log.append(text).push_back('|');
        }
        for (std::string_view category : categories) {
            log.append(category).push_back('|');
        }
        log.push_back('\n');
    }
    void disc(const vorlix::CQXDisc& disc) override {
        for (std::string_view text : disc.texts()) {
            log.append(text).push_back('|');
        }
        for (std::string_view category : disc.categories()) {
            log.append(category).push_back('|');
        }
        log.push_back('\n');
    }

    std::string log;
};

struct Failure {
    std::string what;
    std::uint64_t offset;
    bool operator==(const Failure&) const = default;
};

template <typename Read>
std::optional<Failure> failureOf(Read read) {
    try {
        read();
    } catch (const vorlix::ArchiveError& e) {
        return Failure{e.what(), e.offset()};
    }
    return std::nullopt;
}

// The check alone, and with a second reader from the middle of files past a few dozen bytes.
void compareWithTheCheck(std::string_view bytes, const vorlix::SourceFrom& from,
                         std::uint64_t spacing) {
    Recorder whole;
    const auto readFailure = failureOf([&] {
        vorlix::CQXCatalog rest;
        vorlix::MemorySource source(bytes);
        vorlix::readCatalogue(source, kCodePage, rest, whole);
    });
    std::vector<vorlix::DiscListPlace> places;
    const auto checkFailure = failureOf([&] {
        vorlix::MemorySource source(bytes);
        places = vorlix::checkCatalogue(source, kCodePage, spacing, from);
    });
    if (readFailure != checkFailure) {
        __builtin_trap();
    }
    if (checkFailure) {
        return;
    }
    Recorder runs;
    for (std::size_t i = 0; i + 1 < places.size(); ++i) {
        vorlix::MemorySource part(bytes, places[i].archive.offset);
        vorlix::visitDiscs(part, kCodePage, places[i], places[i + 1].disc, runs);
    }
    if (runs.log != whole.log) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    compareWithTheCheck(bytes, {}, 1);
    compareWithTheCheck(
        bytes,
        [bytes](std::uint64_t offset) {
            return std::make_unique<vorlix::MemorySource>(bytes, offset);
        },
        8);
    std::string first;
    try {
        first = rewrite(bytes);
    } catch (const vorlix::ArchiveError&) {
        return 0;
    }
    const std::string second = rewrite(first);
    if (second.size() != first.size() || rewrite(second) != first) {
        __builtin_trap();
    }
    return 0;
}
