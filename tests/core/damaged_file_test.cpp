#include <gtest/gtest.h>

#include "core/catalog_format.h"
#include "core/code_page.h"
#include "support/archive_bytes.h"
#include "support/sample_catalogue.h"

namespace vorlix {
namespace {

using test::ArchiveBytes;

const Windows1252 kCodePage;

// Reads the bytes and returns the offset of the failure, or -1 when reading succeeded.
std::int64_t failureOffset(const std::string& bytes, std::string* what = nullptr) {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    MemorySource source(bytes);
    try {
        readCatalogue(source, kCodePage, catalogue);
    } catch (const ArchiveError& e) {
        if (what) {
            *what = e.what();
        }
        return static_cast<std::int64_t>(e.offset());
    }
    return -1;
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

struct DamagedCase {
    const char* what;
    std::string bytes;
    std::int64_t offset;
};

TEST(DamagedCatalogueTest, RefusesStructuralDamageAtItsOffset) {
    const DamagedCase cases[] = {
        {"known class before any description", ArchiveBytes().word(1).word(0x8001), 4},
        {"unknown class", ArchiveBytes().word(1).newClass("CEvil", 0), 8},
        {"file entry schema 1",
         ArchiveBytes().word(1).newClass("CQXDisc", 5).word(1).newClass("CQXFileData", 1), 23},
        {"disc schema 1", oneDisc(1), 15},
        {"disc schema 6", oneDisc(6), 15},
        {"null disc reference", ArchiveBytes().word(1).word(0), 4},
        {"disc stored twice", emptyDisc(ArchiveBytes().word(2)).word(0x0002), 35},
        {"list where a disc belongs", ArchiveBytes().word(1).newClass("CStringList", 0), 19},
        {"bad object index", ArchiveBytes().word(1).word(0x7FFF).dword(0x1234), 8},
        {"bad class index", ArchiveBytes().word(1).word(0x7FFF).dword(0x80001234), 8},
        {"huge disc count", ArchiveBytes().word(0xFFFF).dword(0xFFFFFFFF), 6},
        {"huge file count",
         ArchiveBytes().word(1).newClass("CQXDisc", 5).word(0xFFFF).dword(0x40000000), 21},
        {"huge category count", ArchiveBytes().word(0).word(0xFFFF).dword(0xFFFFFFF0), 8},
        {"huge named object count", ArchiveBytes().word(0).word(0).word(0xFFFF).dword(0xFFFFFFF0),
         10},
        {"huge byte array",
         ArchiveBytes()
             .word(0)
             .word(0)
             .word(1)
             .text("CD1")
             .newClass("CByteArray", 0)
             .word(0xFFFF)
             .dword(0x7FFFFFFF),
         32},
        {"disc where a named object belongs",
         ArchiveBytes().word(0).word(0).word(1).text("CD1").newClass("CQXDisc", 5), 23},
        {"huge text", ArchiveBytes().word(0).word(1).byte(0xFF).word(0xFFFF).dword(0xFFFFFFFF), 11},
    };
    for (const DamagedCase& c : cases) {
        std::string what;
        EXPECT_EQ(failureOffset(c.bytes, &what), c.offset) << c.what << ": " << what;
        EXPECT_FALSE(what.empty()) << c.what;
    }
}

TEST(DamagedCatalogueTest, AnEmptyStreamIsTruncatedNotEmpty) {
    EXPECT_EQ(failureOffset(""), 0);
}

}  // namespace
}  // namespace vorlix
