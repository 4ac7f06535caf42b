#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/disc_list_check.h"
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

// The discs' log as runs read from the places give it.
std::string runsFrom(const std::string& bytes, const std::vector<DiscListPlace>& places) {
    Recorder runs;
    runs.start(places.back().disc);
    for (std::size_t i = 0; i + 1 < places.size(); ++i) {
        MemorySource part(bytes, places[i].archive.offset);
        visitDiscs(part, kCodePage, places[i], places[i + 1].disc, runs);
    }
    return runs.log;
}

std::string wholeLog(const std::string& bytes) {
    Recorder whole;
    CQXCatalog rest;
    MemorySource source(bytes);
    readCatalogue(source, kCodePage, rest, whole);
    return whole.log;
}

struct Failure {
    std::string what;
    std::uint64_t offset = 0;
    bool operator==(const Failure&) const = default;
};

template <typename Read>
std::optional<Failure> failureOf(Read read) {
    try {
        read();
    } catch (const ArchiveError& e) {
        return Failure{e.what(), e.offset()};
    }
    return std::nullopt;
}

// How reading the whole file fails, and how checking it with two readers does.
std::optional<Failure> readFailure(const std::string& bytes) {
    return failureOf([&] {
        MemorySource source(bytes);
        CQXCatalog read;
        readCatalogue(source, kCodePage, read);
    });
}

SourceFrom sourcesOf(const std::string& bytes) {
    return [&bytes](std::uint64_t offset) { return std::make_unique<MemorySource>(bytes, offset); };
}

std::optional<Failure> checkFailure(const std::string& bytes, std::uint64_t spacing) {
    return failureOf([&] {
        MemorySource source(bytes);
        static_cast<void>(checkCatalogue(source, kCodePage, spacing, sourcesOf(bytes)));
    });
}

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

            for (std::size_t i = 0; i + 1 < places.size(); ++i) {
                EXPECT_LT(places[i].archive.offset, places[i + 1].archive.offset) << shape.what;
            }
            EXPECT_EQ(runsFrom(bytes, places), whole.log) << shape.what << ", spacing " << spacing;

            CQXCatalog rest;
            MemorySource after(bytes, places.back().archive.offset);
            readCatalogueRest(after, kCodePage, places.back(), rest);
            EXPECT_EQ(writeCatalogue(rest, kCodePage), writeCatalogue(wholeRest, kCodePage))
                << shape.what;
        }
    }
}

// The list as two readers go over it, the second from a disc near the middle.
DiscListCheck checkedInTwo(const std::string& bytes, std::uint64_t spacing) {
    MemorySource source(bytes);
    ArchiveReader reader(source, kCodePage, catalogueClasses());
    const std::uint32_t discs = reader.readCount();
    return checkDiscList(reader, discs, kCodePage, spacing, bytes.size(), sourcesOf(bytes));
}

constexpr std::uint64_t kSpacing = 4096;

// A long list is gone over by two readers: the second one's places, taken up where the first
// arrives, read to what one reader gives, and the rest of the file is checked from the last.
TEST(DiscListPlacesTest, TwoReadersSideBySideGiveWhatOneGives) {
    const std::string bytes = catalogueBytes(std::vector<std::size_t>(200, 40));
    const DiscListCheck check = checkedInTwo(bytes, kSpacing);
    EXPECT_FALSE(check.readerAtEnd) << "the second reader's half was not taken";
    EXPECT_EQ(check.places.back().disc, 200u);
    EXPECT_TRUE(runsFrom(bytes, check.places) == wholeLog(bytes));

    MemorySource source(bytes);
    const auto places = checkCatalogue(source, kCodePage, kSpacing, sourcesOf(bytes));
    EXPECT_TRUE(runsFrom(bytes, places) == wholeLog(bytes));
}

// Names of one byte 0x80 ("€") after a length of 1 look like the reference that starts a
// disc: the second reader meets them first and must find a true start, or leave the list to
// the first reader.
TEST(DiscListPlacesTest, FalseDiscStartsNearTheMiddleChangeNothing) {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    for (int d = 0; d < 200; ++d) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(std::to_string(d));
        for (int f = 0; f < 40; ++f) {
            disc->files.emplace_back("\u20AC", "\u20AC", "1", "\u20AC");
        }
        catalogue.appendDisc(std::move(disc));
    }
    const std::string bytes = writeCatalogue(catalogue, kCodePage);
    ASSERT_NE(bytes.find("\x01\x80\x01\x80"), std::string::npos);
    const DiscListCheck check = checkedInTwo(bytes, kSpacing);
    EXPECT_TRUE(runsFrom(bytes, check.places) == wholeLog(bytes));
}

// Whatever the damage, and whichever reader meets it, the check fails as one reader of the
// whole file fails: with its message, at its byte. Bytes follow every damage.
TEST(DiscListPlacesTest, TwoReadersFailAsOneReaderFails) {
    const std::string good = catalogueBytes(std::vector<std::size_t>(200, 40));
    struct Damage {
        const char* what;
        double at;  // part of the file
        char byte;
    };
    const Damage damages[] = {
        {"a length escape in the first half", 0.2, '\xFF'},
        {"a length escape just past the middle", 0.51, '\xFF'},
        {"a length escape late in the list", 0.85, '\xFF'},
        {"a zero in the second half", 0.7, '\0'},
        {"a disc reference's byte in the second half", 0.6, '\x01'},
    };
    for (const Damage& damage : damages) {
        for (std::size_t shift = 0; shift < 40; shift += 7) {
            std::string bytes = good;
            bytes[static_cast<std::size_t>(damage.at * static_cast<double>(bytes.size())) + shift] =
                damage.byte;
            const auto alone = readFailure(bytes);
            const auto inTwo = failureOf([&] {
                MemorySource source(bytes);
                const auto places = checkCatalogue(source, kCodePage, kSpacing, sourcesOf(bytes));
                if (!alone) {
                    EXPECT_TRUE(runsFrom(bytes, places) == wholeLog(bytes)) << damage.what;
                }
            });
            EXPECT_EQ(inTwo, alone)
                << damage.what << ", " << shift << ": " << (inTwo ? inTwo->what : "no failure")
                << " / " << (alone ? alone->what : "no failure");
        }
    }
    // A disc whose reference is broken late in the list: the second reader takes the list
    // for ended there, which the count of discs must refuse.
    {
        MemorySource source(good);
        const auto discs = checkCatalogue(source, kCodePage, 1);
        std::string bytes = good;
        bytes[discs[150].archive.offset + 1] = '\0';
        const auto alone = readFailure(bytes);
        ASSERT_TRUE(alone);
        EXPECT_EQ(checkFailure(bytes, kSpacing), alone);
    }
    const std::string cut = good.substr(0, good.size() * 3 / 4);
    const auto alone = readFailure(cut);
    ASSERT_TRUE(alone);
    EXPECT_EQ(checkFailure(cut, kSpacing), alone);
}

}  // namespace
}  // namespace vorlix
