#include "cli/catalogue_file_dump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "cli/json_dump.h"
#include "cli/text_dump.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "support/sample_catalogue.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

const Windows1252 kCodePage;

// What a dump writes to a stream, read back when it is done.
class CapturedOutput {
public:
    CapturedOutput() : m_file(std::tmpfile()) {}
    ~CapturedOutput() { std::fclose(m_file); }
    std::FILE* stream() const { return m_file; }
    std::string text() const {
        std::fflush(m_file);
        std::rewind(m_file);
        std::string text;
        char piece[65536];
        while (const std::size_t got = std::fread(piece, 1, sizeof piece, m_file)) {
            text.append(piece, got);
        }
        return text;
    }

private:
    std::FILE* m_file;
};

// The dump of one reader going through the file from start to end.
template <typename Dump>
std::string dumpedInOneRun(const std::string& bytes) {
    CapturedOutput output;
    {
        Dump dump(kCodePage, output.stream());
        CQXCatalog rest;
        MemorySource source(bytes);
        readCatalogue(source, kCodePage, rest, dump);
        dump.finish(rest);
    }
    return output.text();
}

template <typename Dump>
std::string dumpedFile(const std::string& path) {
    CapturedOutput output;
    {
        Dump dump(kCodePage, output.stream());
        dumpCatalogueFile(path, kCodePage, dump);
    }
    return output.text();
}

// A file of many megabytes is shown in runs of discs on every core; put together in order,
// the runs are the dump of one reader, in either form (the JSON one separates discs with a
// comma that only the very first disc goes without).
TEST(CatalogueFileDumpTest, RunsShownApartMakeTheDumpOfOneReader) {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    catalogue.categories = {"Work"};
    for (std::size_t d = 1; d <= 60; ++d) {
        catalogue.appendDisc(test::variedDisc(d, d % 9 == 0 ? 0 : 3000));
    }
    const std::string bytes = writeCatalogue(catalogue, kCodePage);
    ASSERT_GT(bytes.size(), 6'000'000u);
    const test::TempDir folder;
    test::writeFile(folder.file("large.vrd"), bytes);

    const std::string text = dumpedFile<TextDump>(folder.file("large.vrd"));
    EXPECT_EQ(text, dumpedInOneRun<TextDump>(bytes));
    EXPECT_NE(text.find("Disc 60: DISC 60\n"), std::string::npos);
    EXPECT_EQ(dumpedFile<JsonDump>(folder.file("large.vrd")), dumpedInOneRun<JsonDump>(bytes));
}

}  // namespace
}  // namespace vorlix
