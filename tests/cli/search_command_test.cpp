#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "cli/cli_test_fixture.h"
#include "core/catalog.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/md5.h"

namespace vorlix {
namespace {

using test::writeFile;

const Windows1252 kCodePage;

class SearchCommandTest : public test::CliTest {
protected:
    void SetUp() override {
        ASSERT_EQ(run("accounts add anna", "secret").status, 0);
        ASSERT_EQ(run("accounts add bob", "secret").status, 0);
        CQXCatalog catalogue;
        addDisc(catalogue, "07", "Beatles <b>&\"'", "The Beatles", "Yes", {"Music"},
                {{"README", "d:\\docs\\", "1536"},
                 {"archive.tar.gz", "d:\\", "-1294967296"},
                 {"Beatles Help.txt", "d:\\docs\\", "10"}});
        addDisc(catalogue, "7", "Private", "Various", "No", {"Music", "Movie"},
                {{"beatles live.mp3", "d:\\live\\", "1"}});
        writeFile(folder.file("cat.vrd"), writeCatalogue(catalogue, kCodePage));
    }

    struct File {
        const char* name;
        const char* folder;
        const char* size;
    };
    static void addDisc(CQXCatalog& catalogue, const char* number, const char* name,
                        const char* artist, const char* shared, TextList categories,
                        std::vector<File> files) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(number);
        disc->setName(name);
        disc->setArtist(artist);
        disc->setShared(shared);
        disc->setLocation("home");
        disc->setOwnerName("anna");
        disc->setOwnerDigest(md5Hex("secret"));
        disc->setCategories(std::move(categories));
        for (const File& file : files) {
            disc->files.emplace_back(file.name, file.folder, file.size, "d:");
        }
        catalogue.appendDisc(std::move(disc));
    }

    test::CliRun search(const std::string& arguments, const std::string& user = "anna") {
        return run("search " + quoted("cat.vrd") + " " + arguments + " --user " + user, "secret");
    }
};

struct OutputCase {
    const char* arguments;
    const char* user;
    const char* out;
};

class SearchCommandOutput : public SearchCommandTest,
                            public ::testing::WithParamInterface<OutputCase> {};

TEST_P(SearchCommandOutput, PrintsTheMatchesInSearchOrder) {
    const test::CliRun result = search(GetParam().arguments, GetParam().user);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, GetParam().out) << GetParam().arguments;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SearchCommandOutput,
    ::testing::Values(
        OutputCase{"'*BEATLES*'", "anna",
                   "07\tBeatles <b>&\"'\td:\\docs\\Beatles Help.txt\t0.000 MB\n"
                   "7\tPrivate\td:\\live\\beatles live.mp3\t0.000 MB\n"},
        OutputCase{"beatles", "bob", "07\tBeatles <b>&\"'\td:\\docs\\Beatles Help.txt\t0.000 MB\n"},
        OutputCase{"e --in-cd 7", "anna", "7\tPrivate\td:\\live\\beatles live.mp3\t0.000 MB\n"},
        OutputCase{"e --in-cd 7", "bob", ""},
        OutputCase{"e --folder DOCS", "anna",
                   "07\tBeatles <b>&\"'\td:\\docs\\Beatles Help.txt\t0.000 MB\n"
                   "07\tBeatles <b>&\"'\td:\\docs\\README\t0.001 MB\n"},
        OutputCase{"'**' --artist various", "anna",
                   "7\tPrivate\td:\\live\\beatles live.mp3\t0.000 MB\n"},
        OutputCase{"'*' --discs --category Music --category Movie", "anna", "7\tPrivate\thome\n"},
        OutputCase{"'*' --discs --or --category Movie --category Music", "anna",
                   "07\tBeatles <b>&\"'\thome\n7\tPrivate\thome\n"},
        OutputCase{"'*' --discs --or", "anna", ""}, OutputCase{"'*' --discs", "anna", ""},
        OutputCase{"e --discs", "bob", "07\tBeatles <b>&\"'\thome\n"}));

TEST_F(SearchCommandTest, JsonGivesEveryFieldWithTheSizeInBytes) {
    const test::CliRun result = search("'**' --json --in-cd 07");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "[\n"
              "  {\"discNumber\": \"07\", \"discName\": \"Beatles <b>&\\\"'\", \"folder\": "
              "\"d:\\\\docs\\\\\", \"name\": \"Beatles Help\", \"type\": \"TXT\", \"size\": 10},\n"
              "  {\"discNumber\": \"07\", \"discName\": \"Beatles <b>&\\\"'\", \"folder\": "
              "\"d:\\\\\", \"name\": \"archive.tar\", \"type\": \"GZ\", \"size\": 3000000000},\n"
              "  {\"discNumber\": \"07\", \"discName\": \"Beatles <b>&\\\"'\", \"folder\": "
              "\"d:\\\\docs\\\\\", \"name\": \"README\", \"type\": \"\", \"size\": 1536}\n"
              "]\n");
}

TEST_F(SearchCommandTest, JsonOfNothingIsAnEmptyArray) {
    const test::CliRun result = search("nothing --json --discs");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "[]\n");
}

TEST_F(SearchCommandTest, RefusesFilesAndDiscsTogether) {
    const test::CliRun result = search("e --files --discs");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "vorlix-cli: --files and --discs exclude each other\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(SearchCommandTest, AWrongPasswordFindsNothing) {
    const test::CliRun result =
        run("search " + quoted("cat.vrd") + " beatles --user anna", "wrong");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
}

}  // namespace
}  // namespace vorlix
