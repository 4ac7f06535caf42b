#include "accounts/accounts_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "accounts/text_digest.h"
#include "core/code_page.h"
#include "support/archive_bytes.h"
#include "support/result_assertions.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using test::ArchiveBytes;

const Windows1252 kCodePage;

// Digests of "anna", "secret", "bob" and "pw".
constexpr std::string_view kAnna = "a70f9e38ff015afaa9ab0aacabee2e13";
constexpr std::string_view kSecret = "5ebe2294ecd0e0f08eab7690d2a6ee69";
constexpr std::string_view kBob = "9f9d51bc70ef21ca5c14f307980a29d8";
constexpr std::string_view kPw = "8fe4c11451281c094a6578e6ddbf5eed";

AccountList twoAccounts() {
    AccountList list;
    list.addFront({std::string(kAnna), std::string(kSecret)});
    list.addFront({std::string(kBob), std::string(kPw)});
    return list;
}

// Bob was added last, so he comes first.
const std::string kTwoAccountsFile = ArchiveBytes()
                                         .word(2)              // records in the list
                                         .newClass("CLog", 4)  // class index 1
                                         .word(0)              // object 2: its own empty list
                                         .text(kBob)
                                         .text(kPw)
                                         .word(0x8001)  // object 3, class 1
                                         .word(0)
                                         .text(kAnna)
                                         .text(kSecret)
                                         .byte(0)  // the list's own two empty texts
                                         .byte(0);

AccountList read(std::string_view bytes) {
    MemorySource source(bytes);
    AccountList list;
    readAccounts(source, kCodePage, list);
    return list;
}

TEST(TextDigestTest, DigestsTheCodePageBytesOfTextsTheCodePageHolds) {
    EXPECT_EQ(textDigest("anna", kCodePage), kAnna);
    EXPECT_EQ(textDigest("", kCodePage), "d41d8cd98f00b204e9800998ecf8427e");
    // "Jürgen" as Windows writes it: ü is the single byte FC.
    EXPECT_EQ(textDigest("J\xC3\xBCrgen", kCodePage), "4617b9a5e4ebe48c50e771f7882adbf1");
}

TEST(TextDigestTest, DigestsTheUtf8BytesOfTextsOutsideTheCodePage) {
    EXPECT_EQ(textDigest("\xE7\x8E\x8B", kCodePage), "891b65a1d17061b6429e901cea6c020b");
}

TEST(AccountsFileFormatTest, WritesTwoAccountsNewestFirstAndReadsThemBack) {
    EXPECT_EQ(writeAccounts(twoAccounts(), kCodePage), kTwoAccountsFile);

    const AccountList back = read(kTwoAccountsFile);
    ASSERT_EQ(back.records().size(), 2u);
    EXPECT_EQ(back.records()[0].nameDigest, kBob);
    EXPECT_EQ(back.records()[0].passwordDigest, kPw);
    EXPECT_EQ(back.records()[1].nameDigest, kAnna);
    EXPECT_EQ(back.records()[1].passwordDigest, kSecret);
}

TEST(AccountsFileFormatTest, AnEmptyListIsItsCountAndTwoEmptyTexts) {
    EXPECT_EQ(writeAccounts(AccountList(), kCodePage), std::string("\0\0\0\0", 4));
    EXPECT_TRUE(read(std::string("\0\0\0\0", 4)).empty());
}

TEST(AccountsFileFormatTest, AnEmptyFileHoldsNoAccounts) {
    EXPECT_TRUE(read("").empty());
}

TEST(AccountsFileFormatTest, ReadsNothingAfterTheRecords) {
    const std::string bytes =
        ArchiveBytes().word(1).newClass("CLog", 4).word(0).text(kAnna).text(kSecret).raw(
            "whatever follows is never read");
    EXPECT_EQ(read(bytes).records().size(), 1u);
}

TEST(AccountsFileFormatTest, RecordsOfAnotherSchemaKeepNoDigests) {
    // The stored schema holds for every record of the class, so neither record has texts.
    const std::string bytes =
        ArchiveBytes().word(2).newClass("CLog", 3).word(0).word(0x8001).word(0).byte(0).byte(0);
    const AccountList list = read(bytes);
    ASSERT_EQ(list.records().size(), 2u);
    for (const CLog& record : list.records()) {
        EXPECT_EQ(record.nameDigest, "");
        EXPECT_EQ(record.passwordDigest, "");
    }
    // Written again they take the current schema, with their empty digests.
    EXPECT_EQ(writeAccounts(list, kCodePage), ArchiveBytes()
                                                  .word(2)
                                                  .newClass("CLog", 4)
                                                  .word(0)
                                                  .byte(0)
                                                  .byte(0)
                                                  .word(0x8001)
                                                  .word(0)
                                                  .byte(0)
                                                  .byte(0)
                                                  .byte(0)
                                                  .byte(0)
                                                  .str());
}

struct DamagedCase {
    const char* name;
    std::string bytes;
    std::uint64_t offset;
    std::size_t recordsKept;
};

class DamagedAccountsFileTest : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedAccountsFileTest, FailsAtTheDamageKeepingTheRecordsBefore) {
    MemorySource source(GetParam().bytes);
    AccountList list;
    try {
        readAccounts(source, kCodePage, list);
        FAIL() << "read a damaged file";
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.offset(), GetParam().offset) << e.what();
    }
    EXPECT_EQ(list.records().size(), GetParam().recordsKept);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedAccountsFileTest,
    ::testing::Values(
        DamagedCase{"EndsInsideTheSecondRecord", kTwoAccountsFile.substr(0, 100), 85, 1},
        DamagedCase{"UnknownClass",
                    ArchiveBytes().word(1).newClass("CQXDisc", 5).word(0).text(kAnna), 8, 0},
        DamagedCase{"NullRecord", ArchiveBytes().word(1).word(0).raw("padding"), 4, 0},
        DamagedCase{"RecordHoldingRecords",
                    ArchiveBytes().word(1).newClass("CLog", 4).word(1).newClass("CLog", 4), 14, 0},
        DamagedCase{"CountPastTheEnd", ArchiveBytes().word(500).word(0), 2, 0},
        DamagedCase{"ClassReferenceBeforeAnyClass", ArchiveBytes().word(1).word(0x8001).word(0), 4,
                    0}),
    [](const auto& info) { return std::string(info.param.name); });

class AccountsFileTest : public ::testing::Test {
protected:
    test::TempDir folder;
    AccountsFile file{folder.path() + "/", kCodePage};
};

TEST_F(AccountsFileTest, LivesInTheProgramFolder) {
    EXPECT_EQ(file.path(), folder.file("qxdata.inf"));
    EXPECT_EQ(AccountsFile(folder.path(), kCodePage).path(), folder.file("qxdata.inf"));
}

TEST_F(AccountsFileTest, CreatesAnEmptyFileOnlyWhenThereIsNone) {
    EXPECT_TRUE(test::succeeded(file.createIfMissing()));
    EXPECT_EQ(test::readFile(file.path()), "");
    AccountList list = twoAccounts();
    EXPECT_TRUE(test::succeeded(file.load(list)));
    EXPECT_TRUE(list.empty());

    test::writeFile(file.path(), kTwoAccountsFile);
    EXPECT_TRUE(test::succeeded(file.createIfMissing()));
    EXPECT_EQ(test::readFile(file.path()), kTwoAccountsFile);
}

TEST_F(AccountsFileTest, SavesAndLoads) {
    EXPECT_TRUE(test::succeeded(file.save(twoAccounts())));
    EXPECT_EQ(test::readFile(file.path()), kTwoAccountsFile);
    AccountList list;
    EXPECT_TRUE(test::succeeded(file.load(list)));
    EXPECT_EQ(list.records().size(), 2u);
    EXPECT_TRUE(test::succeeded(file.writable()));
}

TEST_F(AccountsFileTest, ADamagedFileIsReportedWithItsNameAndOffset) {
    test::writeFile(file.path(), kTwoAccountsFile.substr(0, 100));
    AccountList list;
    EXPECT_TRUE(test::failedWith(
        file.load(list), "The accounts file \"" + file.path() +
                             "\" is damaged at byte 85; it is left as it is. Accounts stored "
                             "after that point cannot be used, and adding, changing and deleting "
                             "accounts is refused until the file is repaired or replaced."));
    EXPECT_EQ(list.records().size(), 1u);
}

TEST_F(AccountsFileTest, AMissingFileIsReportedButMayBeWritten) {
    AccountList list = twoAccounts();
    EXPECT_TRUE(test::failedWith(
        file.load(list),
        "Could not open the accounts file \"" + file.path() + "\": No such file or directory."));
    EXPECT_TRUE(list.empty());
    // Nothing was there to lose.
    EXPECT_TRUE(test::succeeded(file.writable()));
    EXPECT_TRUE(test::succeeded(file.save(twoAccounts())));
}

// A file that was not read whole must never be replaced by what was read of it: that would
// delete every account after the damage.
struct LeftAsItIsCase {
    const char* name;
    std::function<void(const std::string& path)> spoil;
    std::string messageStart;  // after the quoted path
};

void PrintTo(const LeftAsItIsCase& c, std::ostream* out) {
    *out << c.name;
}

class AccountsFileLeftAsItIsTest : public AccountsFileTest,
                                   public ::testing::WithParamInterface<LeftAsItIsCase> {};

TEST_P(AccountsFileLeftAsItIsTest, RefusesEverySaveWithTheReason) {
    GetParam().spoil(file.path());
    const auto before = std::filesystem::last_write_time(file.path());
    const std::string bytesBefore =
        std::filesystem::is_regular_file(file.path()) ? test::readFile(file.path()) : "";
    AccountList list;
    const Result loaded = file.load(list);
    ASSERT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.message().starts_with("The accounts file \"" + file.path() + "\" " +
                                             GetParam().messageStart))
        << loaded.message();
    EXPECT_TRUE(test::failedWith(file.writable(), loaded.message()));

    list.addFront({std::string(kBob), std::string(kPw)});
    EXPECT_TRUE(test::failedWith(file.save(list), loaded.message()));
    EXPECT_TRUE(test::failedWith(file.save(AccountList()), loaded.message()));
    EXPECT_EQ(std::filesystem::last_write_time(file.path()), before);
    if (std::filesystem::is_regular_file(file.path())) {
        EXPECT_EQ(test::readFile(file.path()), bytesBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AccountsFileLeftAsItIsTest,
    ::testing::Values(
        LeftAsItIsCase{"DamagedWithBytesAfterTheDamage",
                       [](const std::string& path) {
                           // The second record names a class that was never described.
                           std::string bytes = kTwoAccountsFile;
                           bytes[80] = 0x05;
                           test::writeFile(path, bytes);
                       },
                       "is damaged at byte 82; it is left as it is. Accounts stored after that "
                       "point cannot be used"},
        LeftAsItIsCase{"Unreadable",
                       [](const std::string& path) { std::filesystem::create_directory(path); },
                       "cannot be read (it is a folder); it is left as it is. Accounts that "
                       "could not be read cannot be used"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AccountsFileTest, ASoundLoadMakesTheFileWritableAgain) {
    test::writeFile(file.path(), kTwoAccountsFile.substr(0, 100));
    AccountList list;
    ASSERT_FALSE(file.load(list).ok());
    test::writeFile(file.path(), kTwoAccountsFile);
    EXPECT_TRUE(test::succeeded(file.load(list)));
    EXPECT_TRUE(test::succeeded(file.save(list)));
}

TEST(AccountsFileWriteTest, AFailedSaveIsReportedWithTheFileName) {
    const AccountsFile file("/nonexistent-vorlix-folder/", kCodePage);
    const Result saved = file.save(AccountList());
    EXPECT_TRUE(test::failedWith(saved,
                                 "Could not save the accounts file "
                                 "\"/nonexistent-vorlix-folder/qxdata.inf\": No such file or "
                                 "directory. The file on disk was not changed."));
    EXPECT_FALSE(file.createIfMissing().ok());
}

}  // namespace
}  // namespace vorlix
