#include "core/catalog_format.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/archive_writer.h"
#include "core/catalogue_rewriter.h"
#include "core/code_page.h"
#include "support/archive_bytes.h"
#include "support/sample_catalogue.h"

namespace vorlix {
namespace {

using test::ArchiveBytes;

const Windows1252 kCodePage;

CQXCatalog read(const std::string& bytes) {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    MemorySource source(bytes);
    readCatalogue(source, kCodePage, catalogue);
    return catalogue;
}

ArchiveBytes& defaultNamedObjects(ArchiveBytes& bytes) {
    return bytes.word(3)
        .text("SearchCombo")
        .newClass("CStringList", 0)
        .word(0)
        .text("LendCombo")
        .word(0x8001)
        .word(0)
        .text("CDDB")
        .newClass("CMapStringToString", 0)
        .word(1)
        .text("active")
        .text("gnudb.gnudb.org (Central Server)");
}

TEST(CatalogueFormatTest, NewCatalogueIsTheDocumentedStream) {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    ArchiveBytes expected;
    expected.word(0).word(0);
    defaultNamedObjects(expected);
    EXPECT_EQ(writeCatalogue(catalogue, kCodePage), expected.str());
}

TEST(CatalogueFormatTest, DiscWithFileEntriesIsTheDocumentedStream) {
    CQXCatalog catalogue;
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber("1");
    disc->files.emplace_back("a.txt", "d:\\", "5", "d:");
    disc->files.emplace_back("b.txt", "d:\\", "6", "d:");
    catalogue.appendDisc(std::move(disc));

    ArchiveBytes expected;
    expected.word(1)
        .newClass("CQXDisc", 5)
        .word(2)
        .newClass("CQXFileData", 0)
        .text("a.txt")
        .text("d:\\")
        .text("5")
        .text("d:")
        .word(0)
        .word(0x8003)
        .text("b.txt")
        .text("d:\\")
        .text("6")
        .text("d:")
        .word(0)
        .text("1");
    for (int i = 0; i < 13; ++i) {
        expected.byte(0);
    }
    expected.word(0).word(0).word(0);
    EXPECT_EQ(writeCatalogue(catalogue, kCodePage), expected.str());
}

TEST(CatalogueFormatTest, NamedObjectsGoOutBucketByBucketNewestFirst) {
    EXPECT_EQ(hashBucket("SearchCombo"), 4u);
    EXPECT_EQ(hashBucket("LendCombo"), 15u);
    EXPECT_EQ(hashBucket("CDDB"), 16u);
    EXPECT_EQ(hashBucket("CD12"), 2u);
    EXPECT_EQ(hashBucket("\xE9"), static_cast<std::uint32_t>(-23) % 17);

    NamedObjects named;
    // "CD12" and "CD6" share bucket 2; "CD4" falls in bucket 0.
    ASSERT_EQ(hashBucket("CD6"), 2u);
    ASSERT_EQ(hashBucket("CD4"), 0u);
    for (const char* key : {"CDDB", "CD12", "SearchCombo", "CD6", "CD4"}) {
        named.set(key, StringList{});
    }
    std::vector<std::string> keys;
    for (std::size_t i : fileOrder(named, kCodePage)) {
        keys.push_back(named.entries()[i].first.str());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"CD4", "CD6", "CD12", "SearchCombo", "CDDB"}));
}

TEST(CatalogueFormatTest, OldDiscSchemasReadWithDefaultsAndWriteBackAsCurrent) {
    struct Case {
        std::uint16_t schema;
        int storedTexts;
        const char* owner;
        const char* shared;
        const char* serial;
    };
    for (const Case& c : {Case{0, 9, "null", "Yes", "0"}, Case{2, 9, "null", "Yes", "0"},
                          Case{3, 13, "anna", "No", "77"}, Case{4, 13, "anna", "No", "77"}}) {
        const char* texts[] = {
            "7", "q",         "<info/>", "artist", "OLD", "home", "March 05 2004",
            "",  "7 OLD\r\n", "anna",    "digest", "No",  "77"};
        ArchiveBytes bytes;
        bytes.word(1).newClass("CQXDisc", c.schema).word(1).newClass("CQXFileData", 0);
        bytes.text("f.txt").text("d:\\").text("1").text("d:").word(0);
        for (int i = 0; i < c.storedTexts; ++i) {
            bytes.text(texts[i]);
        }
        bytes.word(1).text("Audio").word(0).word(0);

        CQXCatalog catalogue = read(bytes);
        ASSERT_EQ(catalogue.discs.size(), 1u);
        const CQXDisc& disc = *catalogue.discs[0];
        EXPECT_EQ(disc.number(), "7");
        EXPECT_EQ(disc.outline(), "7 OLD\r\n");
        EXPECT_EQ(disc.ownerName(), c.owner);
        EXPECT_EQ(disc.ownerDigest(), c.storedTexts == 9 ? "null" : "digest");
        EXPECT_EQ(disc.shared(), c.shared);
        EXPECT_EQ(disc.serial(), c.serial);
        EXPECT_EQ(disc.size(), "0.0");
        EXPECT_EQ(disc.categories(), std::vector<std::string>{"Audio"});
        EXPECT_EQ(disc.files[0].name(), "f.txt");

        const std::string written = writeCatalogue(catalogue, kCodePage);
        EXPECT_EQ(written.substr(0, 15), ArchiveBytes().word(1).newClass("CQXDisc", 5).str());
        CQXCatalog again = read(written);
        EXPECT_EQ(again.discs[0]->size(), "0.0");
        EXPECT_EQ(again.discs[0]->ownerName(), c.owner);
    }
}

TEST(CatalogueFormatTest, WriteReadWriteGivesTheSameBytes) {
    CQXCatalog catalogue = test::sampleCatalogue();
    const std::string first = writeCatalogue(catalogue, kCodePage);
    CQXCatalog loaded = read(first);
    EXPECT_EQ(writeCatalogue(loaded, kCodePage), first);

    ASSERT_EQ(loaded.discs.size(), 3u);
    EXPECT_EQ(loaded.discs[1]->name(), "LENT \u20AC");
    EXPECT_EQ(loaded.discs[0]->files[2].name(), "\u65E5\u672C\u8A9E.mp3");
    EXPECT_EQ(loaded.discs[0]->files[1].categories(), std::vector<std::string>{"Work"});
    EXPECT_EQ(loaded.categories, catalogue.categories);
    EXPECT_EQ(std::get<ByteArray>(*loaded.named.find("CD10")).bytes.size(), 300u);
    EXPECT_EQ(std::get<StringList>(*loaded.named.find("LendCombo")).items,
              std::vector<std::string>{"Maria"});
}

// Most entries are read straight from the file's bytes; every other form of entry between them
// must read the same as when it stands alone, and write back to the same bytes.
TEST(CatalogueFormatTest, EntriesOfEveryFormReadBackInOrder) {
    const std::string name127(127, 'n');
    const std::string name128(128, 'm');
    const std::vector<std::array<std::string, 4>> fields = {
        {"a.txt", "d:\\", "5", "d:"},
        {"b.txt", "d:\\", "6", "d:"},
        {"caf\u00E9.mp3", "d:\\music\\", "7", "d:"},
        {"c.txt", "d:\\music\\", "8", "e:"},
        {name127, "d:\\music\\", "9", "e:"},
        {name128, "d:\\music\\", "10", "e:"},
        {"\u65E5\u672C.mp3", "d:\\\u65E5\\", "11", "d:"},
        {"", "", "", ""},
        {"d.txt", "", "", ""},
        {"e.txt", "d:\\", "-1", "d:"},
    };
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    for (int d = 1; d <= 2; ++d) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(std::to_string(d));
        for (const auto& [name, folder, size, drive] : fields) {
            disc->files.emplace_back(name, folder, size, drive);
        }
        disc->files[1].setCategories({"Work", "Audio"});
        disc->files[5].setCategories({"Movies and more"});
        catalogue.appendDisc(std::move(disc));
    }
    const std::string bytes = writeCatalogue(catalogue, kCodePage);

    CQXCatalog loaded = read(bytes);
    for (const auto& disc : loaded.discs) {
        ASSERT_EQ(disc->files.size(), fields.size());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const auto [name, folder, size, drive, number] = disc->files[i].fields();
            EXPECT_EQ((std::array<std::string_view, 5>{name, folder, size, drive, number}),
                      (std::array<std::string_view, 5>{fields[i][0], fields[i][1], fields[i][2],
                                                       fields[i][3], "0"}))
                << i;
        }
        EXPECT_EQ(disc->files[1].categories(), (std::vector<std::string>{"Work", "Audio"}));
        EXPECT_EQ(disc->files[5].categories(), std::vector<std::string>{"Movies and more"});
        EXPECT_TRUE(disc->files[6].categories().empty());
    }
    EXPECT_EQ(writeCatalogue(loaded, kCodePage), bytes);
}

// Builds the discs again from what a visit hands over.
class RebuildingVisitor final : public DiscVisitor, public FileEntrySink {
public:
    explicit RebuildingVisitor(CQXCatalog& catalogue) : m_catalogue(catalogue) {}
    void start(std::uint32_t) override {}
    FileEntrySink& entries() override { return *this; }
    void begin(std::uint32_t count) override {
        m_files = FileEntries();
        m_files.reserve(count);
    }
    void entry(std::string_view name, std::string_view folder, std::string_view size,
               std::string_view drive, TextList& categories) override {
        m_files.emplace_back(name, folder, size, drive, "0").setCategories(categories);
    }
    void disc(const CQXDisc& disc) override {
        EXPECT_TRUE(disc.files.empty());
        auto copy = std::make_unique<CQXDisc>();
        static_cast<DiscTexts&>(*copy) = disc;
        copy->files = std::move(m_files);
        m_catalogue.appendDisc(std::move(copy));
    }

private:
    CQXCatalog& m_catalogue;
    FileEntries m_files;
};

TEST(CatalogueFormatTest, AVisitHandsOverWhatReadingKeeps) {
    CQXCatalog catalogue = test::sampleCatalogue();
    const std::string bytes = writeCatalogue(catalogue, kCodePage);

    CQXCatalog rebuilt;
    RebuildingVisitor visitor(rebuilt);
    MemorySource source(bytes);
    readCatalogue(source, kCodePage, rebuilt, visitor);
    ASSERT_EQ(rebuilt.discs.size(), catalogue.discs.size());
    EXPECT_EQ(writeCatalogue(rebuilt, kCodePage), bytes);
}

// A conversion writes each disc as it is read; the file must be the one that reading the whole
// catalogue (without defaults, as a conversion reads it) and writing it gives.
TEST(CatalogueFormatTest, RewritingDiscByDiscGivesWhatReadingAndWritingGives) {
    ArchiveBytes oldDisc;
    oldDisc.word(1).newClass("CQXDisc", 2).word(2).newClass("CQXFileData", 0);
    oldDisc.text("f.txt").text("d:\\").text("1").text("d:").word(0);
    oldDisc.word(0x8003).text("g.txt").text("d:\\").text("2").text("d:").word(1).text("Work");
    for (const char* text : {"7", "q", "<info/>", "artist", "OLD", "home", "", "", "7 OLD\r\n"}) {
        oldDisc.text(text);
    }
    // No disc categories, one category, and named objects out of bucket order, one key twice.
    oldDisc.word(0).word(1).text("Audio").word(3);
    oldDisc.text("CD7").newClass("CByteArray", 0).word(2).raw("ab");
    oldDisc.text("LendCombo").newClass("CStringList", 0).word(1).text("Maria");
    oldDisc.text("CD7").word(0x8006).word(1).raw("c");
    CQXCatalog sample = test::sampleCatalogue();

    for (const std::string& bytes : {writeCatalogue(sample, kCodePage), oldDisc.str(),
                                     ArchiveBytes().word(0).word(0).word(0).str()}) {
        CQXCatalog whole;
        MemorySource wholeSource(bytes);
        readCatalogue(wholeSource, kCodePage, whole);

        StringSink sink;
        ArchiveWriter writer(kCodePage, sink);
        CatalogueRewriter rewriter(writer);
        CQXCatalog rest;
        MemorySource source(bytes);
        readCatalogue(source, kCodePage, rest, rewriter);
        rewriter.finish(rest);
        EXPECT_EQ(sink.bytes(), writeCatalogue(whole, kCodePage));
    }
}

TEST(CatalogueFormatTest, StoredFileEntriesCarryDiscNumberZero) {
    CQXCatalog catalogue = test::sampleCatalogue();
    CQXFileData& gathered = catalogue.discs[0]->files[0];
    gathered.setDiscNumber("12");
    const std::string bytes = writeCatalogue(catalogue, kCodePage);
    EXPECT_EQ(gathered.discNumber(), "0");
    EXPECT_EQ(read(bytes).discs[0]->files[0].discNumber(), "0");
}

TEST(CatalogueFormatTest, FileEntriesReplaceDefaultsAndOtherDefaultsStay) {
    ArchiveBytes bytes;
    bytes.word(0)
        .word(0)
        .word(2)
        .text("CDDB")
        .newClass("CMapStringToString", 0)
        .word(1)
        .text("active")
        .text("my server")
        .text("CD4")
        .newClass("CByteArray", 0)
        .word(3)
        .raw("abc");
    CQXCatalog catalogue = read(bytes);
    EXPECT_EQ(catalogue.named.size(), 4u);
    EXPECT_EQ(*std::get<StringMap>(*catalogue.named.find("CDDB")).find("active"), "my server");
    EXPECT_NE(catalogue.named.find("SearchCombo"), nullptr);
    EXPECT_EQ(std::get<ByteArray>(*catalogue.named.find("CD4")).bytes,
              (std::vector<std::uint8_t>{'a', 'b', 'c'}));
}

TEST(CatalogueFormatTest, IgnoresBytesAfterTheNamedObjects) {
    ArchiveBytes bytes;
    bytes.word(0).word(1).text("Audio").word(0).raw("trailing garbage");
    EXPECT_EQ(read(bytes).categories, std::vector<std::string>{"Audio"});
}

}  // namespace
}  // namespace vorlix
