#include <gtest/gtest.h>

#include "core/catalog_format.h"
#include "core/code_page.h"
#include "support/archive_bytes.h"
#include "support/sample_catalogue.h"

namespace vorlix {
namespace {

using test::ArchiveBytes;

const Windows1252 kCodePage;

struct Failure {
    std::int64_t offset = -1;  // -1 when reading succeeded
    std::string what;
    bool operator==(const Failure&) const = default;
};

// Takes every disc and keeps nothing of it.
class PassingVisitor final : public DiscVisitor, public FileEntrySink {
public:
    void start(std::uint32_t) override {}
    FileEntrySink& entries() override { return *this; }
    void disc(const CQXDisc&) override {}
    void begin(std::uint32_t) override {}
    void entry(std::string_view, std::string_view, std::string_view, std::string_view,
               TextList&) override {}
};

template <typename Read>
Failure failureOf(const std::string& bytes, Read read) {
    MemorySource source(bytes);
    try {
        read(source);
    } catch (const ArchiveError& e) {
        return {static_cast<std::int64_t>(e.offset()), e.what()};
    }
    return {};
}

// Reads the bytes and returns the offset of the failure, or -1 when reading succeeded. Reading
// disc by disc and checking without keeping anything must fail the same way.
std::int64_t failureOffset(const std::string& bytes, std::string* what = nullptr) {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    const Failure kept =
        failureOf(bytes, [&](ByteSource& source) { readCatalogue(source, kCodePage, catalogue); });
    CQXCatalog rest;
    PassingVisitor visitor;
    const Failure streamed = failureOf(
        bytes, [&](ByteSource& source) { readCatalogue(source, kCodePage, rest, visitor); });
    const Failure checked =
        failureOf(bytes, [](ByteSource& source) { checkCatalogue(source, kCodePage); });
    EXPECT_EQ(streamed, kept) << kept.what;
    EXPECT_EQ(checked, kept) << kept.what;
    if (what) {
        *what = kept.what;
    }
    return kept.offset;
}

TEST(DamagedCatalogueTest, EveryTruncationFailsWithinTheFile) {
    CQXCatalog catalogue = test::sampleCatalogue();
    const std::string bytes = writeCatalogue(catalogue, kCodePage);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::int64_t offset = failureOffset(bytes.substr(0, length));
        ASSERT_GE(offset, 0) << "a file cut to " << length << " bytes was accepted";
        EXPECT_LE(offset, static_cast<std::int64_t>(length));
    }
    EXPECT_EQ(failureOffset(bytes), -1);
}

ArchiveBytes oneDisc(std::uint16_t schema) {
    ArchiveBytes bytes;
    bytes.word(1).newClass("CQXDisc", schema).word(0);
    return bytes;
}

ArchiveBytes& emptyDisc(ArchiveBytes& bytes) {
    bytes.newClass("CQXDisc", 5).word(0);
    for (int i = 0; i < 14; ++i) {
        bytes.byte(0);
    }
    return bytes.word(0);
}

// Enough zero bytes for an empty disc, no categories and no named objects. Each damaged item
// below is followed by them, so that a reader that took the item would read on past it and
// could not fail at the same place for running out of bytes.
const std::string kMore(64, '\0');

struct DamagedCase {
    const char* what;
    std::string bytes;
    std::int64_t offset;
    std::string message;
};

TEST(DamagedCatalogueTest, RefusesStructuralDamageAtItsOffset) {
    const DamagedCase cases[] = {
        {"known class before any description", ArchiveBytes().word(1).word(0x8001).raw(kMore), 4,
         "class index 1 names no stored class"},
        {"unknown class", ArchiveBytes().word(1).newClass("CEvil", 0).raw(kMore), 8,
         "unknown class \"CEvil\""},
        {"file entry schema 1",
         ArchiveBytes()
             .word(1)
             .newClass("CQXDisc", 5)
             .word(1)
             .newClass("CQXFileData", 1)
             .raw(kMore),
         23, "class CQXFileData with schema 1 is not supported"},
        {"disc where a second file entry belongs",
         ArchiveBytes()
             .word(1)
             .newClass("CQXDisc", 5)
             .word(2)
             .newClass("CQXFileData", 0)
             .text("a")
             .text("d:\\")
             .text("1")
             .text("d:")
             .word(0)
             .word(0x8001)
             .raw(kMore),
         49, "expected a new CQXFileData object"},
        {"disc schema 1", oneDisc(1).raw(kMore), 15, "CQXDisc schema 1 is not supported"},
        {"disc schema 6", oneDisc(6).raw(kMore), 15, "CQXDisc schema 6 is not supported"},
        {"null disc reference", ArchiveBytes().word(1).word(0).raw(kMore), 4,
         "expected a new CQXDisc object"},
        {"disc stored twice", emptyDisc(ArchiveBytes().word(2)).word(0x0002).raw(kMore), 35,
         "expected a new CQXDisc object"},
        {"list where a disc belongs", ArchiveBytes().word(1).newClass("CStringList", 0).raw(kMore),
         19, "expected a new CQXDisc object"},
        {"bad object index", ArchiveBytes().word(1).word(0x7FFF).dword(0x1234).raw(kMore), 8,
         "object index 4660 names no stored object"},
        {"bad class index", ArchiveBytes().word(1).word(0x7FFF).dword(0x80001234).raw(kMore), 8,
         "class index 4660 names no stored class"},
        {"huge disc count", ArchiveBytes().word(0xFFFF).dword(0xFFFFFFFF).raw(kMore), 6,
         "a count of 4294967295 runs past the end of the file"},
        {"huge file count",
         ArchiveBytes().word(1).newClass("CQXDisc", 5).word(0xFFFF).dword(0x40000000).raw(kMore),
         21, "a count of 1073741824 runs past the end of the file"},
        {"huge category count", ArchiveBytes().word(0).word(0xFFFF).dword(0xFFFFFFF0).raw(kMore), 8,
         "a count of 4294967280 runs past the end of the file"},
        {"huge named object count",
         ArchiveBytes().word(0).word(0).word(0xFFFF).dword(0xFFFFFFF0).raw(kMore), 10,
         "a count of 4294967280 runs past the end of the file"},
        {"huge byte array",
         ArchiveBytes()
             .word(0)
             .word(0)
             .word(1)
             .text("CD1")
             .newClass("CByteArray", 0)
             .word(0xFFFF)
             .dword(0x7FFFFFFF)
             .raw(kMore),
         32, "the file ends inside an item"},
        {"disc where a named object belongs",
         ArchiveBytes().word(0).word(0).word(1).text("CD1").newClass("CQXDisc", 5).raw(kMore), 23,
         "named object \"CD1\" is not a list, text map or byte array"},
        {"huge text",
         ArchiveBytes().word(0).word(1).byte(0xFF).word(0xFFFF).dword(0xFFFFFFFF).raw(kMore), 11,
         "the file ends inside an item"},
    };
    for (const DamagedCase& c : cases) {
        std::string what;
        EXPECT_EQ(failureOffset(c.bytes, &what), c.offset) << c.what << ": " << what;
        EXPECT_EQ(what, c.message) << c.what;
    }
}

TEST(DamagedCatalogueTest, AnEmptyStreamIsTruncatedNotEmpty) {
    EXPECT_EQ(failureOffset(""), 0);
}

}  // namespace
}  // namespace vorlix
