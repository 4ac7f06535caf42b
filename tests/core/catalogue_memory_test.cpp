// A catalogue file of any content must not take more than eight times its size in memory once
// read: files made of the smallest items the format allows (empty texts, empty discs, empty
// named objects) are the worst cases. The memory counted is what the allocator hands out and
// has not taken back, so the figure is exact and the same on every run.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstddef>
#include <functional>
#include <string>

#include "core/archive_writer.h"
#include "core/catalog_format.h"
#include "core/code_page.h"

#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer's allocator keeps the count; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace vorlix {
namespace {

const Windows1252 kCodePage;
constexpr int kItems = 150000;
constexpr double kMostTimesFileSize = 8.0;

std::size_t allocatedBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// A distinct short ASCII key for each index.
std::string key(int index) {
    static constexpr char kDigits[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string text;
    for (int i = 0; i < 3; ++i) {
        text.push_back(kDigits[index % 62]);
        index /= 62;
    }
    return text;
}

void writeEmptyTexts(ArchiveWriter& writer, int count) {
    writer.writeCount(static_cast<std::uint32_t>(count));
    for (int i = 0; i < count; ++i) {
        writer.writeText("");
    }
}

void writeMinimalEntry(ArchiveWriter& writer, int categories = 0) {
    writer.beginObject(persistent_class::kFileData);
    for (int i = 0; i < 4; ++i) {
        writer.writeText("");
    }
    writeEmptyTexts(writer, categories);
}

// A disc body of the class's schema with all texts empty.
void writeDisc(ArchiveWriter& writer, const ArchiveClass& cls, int entries, int categories,
               int entryCategories = 0) {
    writer.beginObject(cls);
    writer.writeCount(static_cast<std::uint32_t>(entries));
    for (int i = 0; i < entries; ++i) {
        writeMinimalEntry(writer, entryCategories);
    }
    const int texts = cls.schema >= 5 ? 14 : cls.schema >= 3 ? 13 : 9;
    for (int i = 0; i < texts; ++i) {
        writer.writeText("");
    }
    writeEmptyTexts(writer, categories);
}

constexpr ArchiveClass kOldDisc{"CQXDisc", 2, true};
// What a disc of the oldest schema gains when it is written again: the five texts that schema
// lacks ("null", "null", "Yes", "0", "0.0"), each with its length byte.
constexpr long kOldDiscGrowth = 5 + 5 + 4 + 2 + 4;

struct Crafted {
    const char* name;
    // Writes the discs; the category list and the named objects follow.
    std::function<void(ArchiveWriter&)> discs;
    int categories = 0;
    std::function<void(ArchiveWriter&)> named = nullptr;
    // How much longer the catalogue is when written back (texts that the reader fills in, or
    // repeated keys that it keeps once).
    long rewrittenGrowth = 0;
};

std::string craft(const Crafted& c) {
    StringSink sink;
    ArchiveWriter writer(kCodePage, sink);
    if (c.discs) {
        c.discs(writer);
    } else {
        writer.writeCount(0);
    }
    writeEmptyTexts(writer, c.categories);
    if (c.named) {
        c.named(writer);
    } else {
        writer.writeCount(0);
    }
    writer.flush();
    return std::move(sink.bytes());
}

// kItems named objects of the class, empty or holding one empty text (a list) or one pair of
// empty texts (a map).
void namedObjects(ArchiveWriter& writer, const ArchiveClass& cls, bool sameKey = false,
                  int items = 0) {
    writer.writeCount(kItems);
    for (int i = 0; i < kItems; ++i) {
        writer.writeText(sameKey ? "" : key(i));
        writer.beginObject(cls);
        writer.writeCount(static_cast<std::uint32_t>(items));
        for (int t = 0; t < items * (&cls == &persistent_class::kStringMap ? 2 : 1); ++t) {
            writer.writeText("");
        }
    }
}

void namedTextMap(ArchiveWriter& writer, bool sameKey) {
    writer.writeCount(1);
    writer.writeText("CDDB");
    writer.beginObject(persistent_class::kStringMap);
    writer.writeCount(kItems);
    for (int i = 0; i < kItems; ++i) {
        writer.writeText(sameKey ? "" : key(i));
        writer.writeText("");
    }
}

std::function<void(ArchiveWriter&)> discs(const ArchiveClass& cls, int count, int entries,
                                          int categories, int entryCategories = 0) {
    return [&cls, count, entries, categories, entryCategories](ArchiveWriter& w) {
        w.writeCount(static_cast<std::uint32_t>(count));
        for (int i = 0; i < count; ++i) {
            writeDisc(w, cls, entries, categories, entryCategories);
        }
    };
}

class CatalogueMemoryTest : public testing::TestWithParam<Crafted> {};

TEST_P(CatalogueMemoryTest, HoldsAtMostEightTimesTheFileSize) {
    const Crafted& crafted = GetParam();
    const std::string bytes = craft(crafted);
    ASSERT_GT(bytes.size(), 250'000u);

    const std::size_t before = allocatedBytes();
    auto catalogue = std::make_unique<CQXCatalog>();
    MemorySource source(bytes);
    readCatalogue(source, kCodePage, *catalogue);
    const std::size_t held = allocatedBytes() - before;

    EXPECT_LE(static_cast<double>(held), kMostTimesFileSize * static_cast<double>(bytes.size()))
        << held << " bytes held for a file of " << bytes.size() << " bytes ("
        << static_cast<double>(held) / static_cast<double>(bytes.size()) << "x)";
    // What was read is all there: the check counted a catalogue, not a refusal.
    EXPECT_EQ(static_cast<long>(writeCatalogue(*catalogue, kCodePage).size()),
              static_cast<long>(bytes.size()) + crafted.rewrittenGrowth);
}

using persistent_class::kDisc;

const Crafted kCrafted[] = {
    {"EmptyTextsInTheCategoryList", nullptr, 600000},
    {"EmptyCategoriesOfOneDisc", discs(kDisc, 1, 0, 600000)},
    {"EmptyCategoriesOfOneFileEntry", discs(kDisc, 1, 1, 0, 600000)},
    {"EmptyTextsOfANamedList", nullptr, 0,
     [](ArchiveWriter& w) {
         w.writeCount(1);
         w.writeText("SearchCombo");
         w.beginObject(persistent_class::kStringList);
         writeEmptyTexts(w, 600000);
     }},
    {"ShortKeysOfANamedTextMap", nullptr, 0, [](ArchiveWriter& w) { namedTextMap(w, false); }},
    // One entry remains; its count takes two bytes, not six.
    {"OneKeyOverAndOverInANamedTextMap", nullptr, 0,
     [](ArchiveWriter& w) { namedTextMap(w, true); }, -2L * (kItems - 1) - 4},
    {"EmptyNamedLists", nullptr, 0,
     [](ArchiveWriter& w) { namedObjects(w, persistent_class::kStringList); }},
    {"EmptyNamedMaps", nullptr, 0,
     [](ArchiveWriter& w) { namedObjects(w, persistent_class::kStringMap); }},
    {"EmptyNamedByteArrays", nullptr, 0,
     [](ArchiveWriter& w) { namedObjects(w, persistent_class::kByteArray); }},
    {"NamedListsOfOneEmptyText", nullptr, 0,
     [](ArchiveWriter& w) { namedObjects(w, persistent_class::kStringList, false, 1); }},
    {"NamedMapsOfOneEmptyEntry", nullptr, 0,
     [](ArchiveWriter& w) { namedObjects(w, persistent_class::kStringMap, false, 1); }},
    // Every entry replaces the one before, so one entry remains, counted in two bytes, not six.
    {"OneNamedKeyOverAndOver", nullptr, 0,
     [](ArchiveWriter& w) { namedObjects(w, persistent_class::kStringList, true); },
     -5L * (kItems - 1) - 4},
    {"EmptyFileEntriesOfOneDisc", discs(kDisc, 1, kItems, 0)},
    {"FileEntriesWithOneEmptyCategoryEach", discs(kDisc, 1, kItems, 0, 1)},
    {"EmptyDiscs", discs(kDisc, kItems, 0, 0)},
    {"DiscsWithOneEmptyCategoryEach", discs(kDisc, kItems, 0, 1)},
    {"DiscsOfOneEmptyFileEntryEach", discs(kDisc, kItems, 1, 0)},
    // A disc of the oldest schema takes 15 bytes of the file when all its texts are empty, and
    // the reader fills in five texts that the schema lacks.
    {"EmptyDiscsOfTheOldestSchema", discs(kOldDisc, kItems, 0, 0), 0, nullptr,
     kOldDiscGrowth* kItems},
};

INSTANTIATE_TEST_SUITE_P(Crafted, CatalogueMemoryTest, testing::ValuesIn(kCrafted),
                         [](const testing::TestParamInfo<Crafted>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace vorlix
