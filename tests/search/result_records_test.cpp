#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/catalog.h"
#include "search/disc_snapshot.h"
#include "search/result_batches.h"

namespace vorlix {
namespace {

struct NameCase {
    const char* name;
    const char* size;
    FileResult shown;
};

class FileResultTexts : public ::testing::TestWithParam<NameCase> {};

// The four texts a result row shows, as the file list shows the same entry.
TEST_P(FileResultTexts, AreTheFileListTexts) {
    CQXDisc disc;
    disc.setNumber("07");
    disc.files.emplace_back(GetParam().name, "d:\\", GetParam().size, "d:");
    const DiscSnapshot snapshot(disc);
    std::vector<FileResult> handed;
    ResultBatches batches([&handed](std::vector<DiscResult>&, std::vector<FileResult>& files) {
        handed.insert(handed.end(), files.begin(), files.end());
        return true;
    });
    batches.fileFound(snapshot, 0);
    ASSERT_TRUE(batches.finish());
    ASSERT_EQ(handed.size(), 1U);
    EXPECT_EQ(handed[0], GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileResultTexts,
    ::testing::Values(NameCase{"README", "1536", {"", "0.001 MB", "07", "README"}},
                      NameCase{"archive.tar.gz", "0", {"GZ", "0.000 MB", "07", "archive.tar"}},
                      NameCase{"Song.Mp3", "1048576", {"MP3", "1.000 MB", "07", "Song"}},
                      // Sizes of 2 GiB and more are stored as negative numbers.
                      NameCase{"big.iso", "-1294967296", {"ISO", "2861.023 MB", "07", "big"}}));

TEST(DiscResultTexts, AreCopiedFromTheDisc) {
    CQXDisc disc;
    disc.setNumber("12");
    disc.setName("Fotos");
    disc.setLocation("Maria");
    disc.setShared("Yes");
    const DiscSnapshot snapshot(disc);
    std::vector<DiscResult> handed;
    ResultBatches batches([&handed](std::vector<DiscResult>& discs, std::vector<FileResult>&) {
        handed = discs;
        return true;
    });
    batches.discFound(snapshot);
    ASSERT_TRUE(batches.finish());
    EXPECT_EQ(handed, (std::vector<DiscResult>{{"12", "Fotos", "Maria", true}}));
}

}  // namespace
}  // namespace vorlix
