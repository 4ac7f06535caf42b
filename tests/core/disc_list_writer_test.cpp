#include "core/disc_list_writer.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/archive_writer.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "support/sample_catalogue.h"

namespace vorlix {
namespace {

const Windows1252 kCodePage;

struct Shape {
    const char* what;
    std::vector<std::size_t> entries;
};

const std::vector<Shape> kShapes = {
    {"no disc", {}},
    {"discs without entries only", {0, 0, 0}},
    {"one entry", {1}},
    {"entries after empty discs, parts cut inside discs and at their ends",
     {0, 0, 10000, 1, 0, 4094, 4095, 4096, 4097, 3}},
    {"one large disc, more objects than short class references reach", {40000}},
    {"many small discs", std::vector<std::size_t>(400, 30)},
};

struct Catalogue {
    explicit Catalogue(const Shape& shape) {
        for (std::size_t d = 0; d < shape.entries.size(); ++d) {
            owned.push_back(test::variedDisc(d + 1, shape.entries[d]));
            discs.push_back(owned.back().get());
        }
        rest.addDefaultNamedObjects();
        rest.categories = {"Work", "Audio"};
    }
    std::vector<std::unique_ptr<CQXDisc>> owned;
    std::vector<CQXDisc*> discs;
    CQXCatalog rest;  // categories and named objects: classes first met after the discs
};

void writeAll(Catalogue& catalogue, unsigned workers, ByteSink& sink) {
    ArchiveWriter writer(kCodePage, sink);
    writer.writeCount(static_cast<std::uint32_t>(catalogue.discs.size()));
    writeDiscList(writer, catalogue.discs, workers);
    writeCatalogueRest(writer, catalogue.rest.categories, catalogue.rest.named);
    writer.flush();
}

std::string written(const Shape& shape, unsigned workers) {
    Catalogue catalogue(shape);
    StringSink sink;
    writeAll(catalogue, workers, sink);
    for (const CQXDisc* disc : catalogue.discs) {
        for (const CQXFileData& entry : disc->files) {
            EXPECT_EQ(entry.discNumber(), "0") << shape.what;
        }
    }
    return std::move(sink.bytes());
}

// One thread writes the discs one after another; threads side by side must give its bytes,
// which read back to the discs that were written.
TEST(DiscListWriterTest, PartsWrittenSideBySideGiveTheBytesOfOneThread) {
    for (const Shape& shape : kShapes) {
        const std::string alone = written(shape, 1);
        for (const unsigned workers : {2u, 3u, 4u}) {
            EXPECT_EQ(written(shape, workers), alone)
                << shape.what << ", " << workers << " workers";
        }

        CQXCatalog loaded;
        MemorySource source(alone);
        readCatalogue(source, kCodePage, loaded);
        const Catalogue expected(shape);
        ASSERT_EQ(loaded.discs.size(), expected.discs.size()) << shape.what;
        for (std::size_t d = 0; d < loaded.discs.size(); ++d) {
            const FileEntries& files = loaded.discs[d]->files;
            ASSERT_EQ(files.size(), expected.discs[d]->files.size()) << shape.what;
            EXPECT_EQ(loaded.discs[d]->outline(), expected.discs[d]->outline());
            std::size_t i = 0;
            for (const CQXFileData& entry : expected.discs[d]->files) {
                EXPECT_EQ(files[i].name(), entry.name()) << shape.what << ", entry " << i;
                EXPECT_EQ(files[i].folder(), entry.folder()) << shape.what << ", entry " << i;
                EXPECT_EQ(files[i].categories(), entry.categories()) << shape.what;
                ++i;
            }
        }
        EXPECT_EQ(loaded.categories, expected.rest.categories) << shape.what;
    }
}

// Takes bytes until `limit`, then fails as a full disk does.
class FullSink final : public ByteSink {
public:
    explicit FullSink(std::size_t limit) : m_limit(limit) {}
    void write(const char*, std::size_t n) override {
        if (m_taken + n > m_limit) {
            throw std::runtime_error("No space left on device");
        }
        m_taken += n;
    }

private:
    std::size_t m_limit;
    std::size_t m_taken = 0;
};

TEST(DiscListWriterTest, ASinkFailingInAnyPartFailsTheWrite) {
    const Shape& shape = kShapes[3];
    const std::size_t size = written(shape, 1).size();
    for (const std::size_t limit : {std::size_t{0}, std::size_t{100}, size / 3, size - 1000}) {
        Catalogue catalogue(shape);
        FullSink sink(limit);
        try {
            writeAll(catalogue, 3, sink);
            ADD_FAILURE() << "a write of " << size << " bytes fitted in " << limit;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "No space left on device") << limit;
        }
    }
}

// A class described in one part would be unknown to the writers of the parts after it.
TEST(DiscListWriterTest, APartMayNotDescribeANewClass) {
    StringSink sink;
    ArchiveWriter writer(kCodePage, sink);
    writer.beginObject(persistent_class::kDisc);
    StringSink partSink;
    ArchiveWriter part(writer, partSink);
    part.beginObject(persistent_class::kDisc);
    EXPECT_THROW(part.beginObject(persistent_class::kFileData), std::logic_error);
}

}  // namespace
}  // namespace vorlix
