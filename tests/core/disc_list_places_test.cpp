#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/catalog_format.h"
#include "core/code_page.h"
#include "support/sample_catalogue.h"

namespace vorlix {
namespace {

const Windows1252 kCodePage;

// Writes down everything a visitor is handed, entries and discs in the order they come.
class Recorder final : public DiscVisitor, public FileEntrySink {
public:
    void start(std::uint32_t count) override { log += "start " + std::to_string(count) + "\n"; }
    FileEntrySink& entries() override { return *this; }
    void begin(std::uint32_t count) override { log += "entries " + std::to_string(count) + "\n"; }
    void entry(std::string_view name, std::string_view folder, std::string_view size,
               std::string_view drive, TextList& categories) override {
        log.append(name).append("|").append(folder).append("|").append(size).append("|");
        log.append(drive);
        for (std::string_view category : categories) {
            log.append("|").append(category);
        }
        log += "\n";
    }
    void disc(const CQXDisc& disc) override {
        for (std::string_view text : disc.texts()) {
            log.append(text).append("|");
        }
        for (std::string_view category : disc.categories()) {
            log.append("[").append(category).append("]");
        }
        log += "\n";
    }

    std::string log;
};

std::string catalogueBytes(const std::vector<std::size_t>& entries) {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    catalogue.categories = {"Work", "Audio"};
    for (std::size_t d = 0; d < entries.size(); ++d) {
        catalogue.appendDisc(test::variedDisc(d + 1, entries[d]));
    }
    return writeCatalogue(catalogue, kCodePage);
}

struct Shape {
    const char* what;
    std::vector<std::size_t> entries;
};

// Reading the discs in runs between the places that the check gives, each run by a reader of
// its own, hands over what one reader of the whole file does: every run goes on with the
// classes the file described before it (the entry class may first appear several discs in)
// and with its count of objects (which decides the form of later class references).
TEST(DiscListPlacesTest, RunsReadApartGiveWhatOneReaderGives) {
    const std::vector<Shape> shapes = {
        {"no disc", {}},
        {"entries first after discs without any", {0, 0, 3, 0, 7}},
        {"a disc with more objects than short class references reach, then more", {40000, 5, 9}},
        {"many small discs", std::vector<std::size_t>(300, 20)},
    };
    for (const Shape& shape : shapes) {
        const std::string bytes = catalogueBytes(shape.entries);
        Recorder whole;
        CQXCatalog wholeRest;
        MemorySource source(bytes);
        readCatalogue(source, kCodePage, wholeRest, whole);

        const auto discs = static_cast<std::uint32_t>(shape.entries.size());
        for (const std::uint64_t spacing :
             {std::uint64_t{1}, std::uint64_t{20000}, std::numeric_limits<std::uint64_t>::max()}) {
            MemorySource checked(bytes);
            const std::vector<DiscListPlace> places = checkCatalogue(checked, kCodePage, spacing);
            ASSERT_FALSE(places.empty()) << shape.what;
            EXPECT_EQ(places.front().disc, 0u) << shape.what;
            EXPECT_EQ(places.back().disc, discs) << shape.what;
            if (spacing == 1) {
                EXPECT_EQ(places.size(), discs + 1) << shape.what;
            } else if (spacing == std::numeric_limits<std::uint64_t>::max()) {
                EXPECT_EQ(places.size(), discs == 0 ? 1u : 2u) << shape.what;
            }

            Recorder runs;
            runs.start(places.back().disc);
            for (std::size_t i = 0; i + 1 < places.size(); ++i) {
                EXPECT_LT(places[i].archive.offset, places[i + 1].archive.offset) << shape.what;
                MemorySource part(bytes, places[i].archive.offset);
                visitDiscs(part, kCodePage, places[i], places[i + 1].disc, runs);
            }
            EXPECT_EQ(runs.log, whole.log) << shape.what << ", spacing " << spacing;

            CQXCatalog rest;
            MemorySource after(bytes, places.back().archive.offset);
            readCatalogueRest(after, kCodePage, places.back(), rest);
            EXPECT_EQ(writeCatalogue(rest, kCodePage), writeCatalogue(wholeRest, kCodePage))
                << shape.what;
        }
    }
}

}  // namespace
}  // namespace vorlix
