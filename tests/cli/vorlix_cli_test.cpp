#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/cli_test_fixture.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/md5.h"
#include "support/archive_bytes.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using test::readFile;
using test::writeFile;

const Windows1252 kCodePage;

using test::CliRun;
using CliTest = test::CliTest;

// A catalogue with one schema 2 disc, as the previous generation wrote them.
std::string oldCatalogue() {
    test::ArchiveBytes bytes;
    bytes.word(1).newClass("CQXDisc", 2).word(1).newClass("CQXFileData", 0);
    bytes.text("Caf\xE9.mp3").text("d:\\music\\").text("4096").text("d:").word(1).text("Jazz");
    for (const char* text : {"4", "", "<info/>", "Miles \"Dewey\" Davis", "KIND", "home",
                             "March 05 2004", "", "4 KIND\r\n\tmusic\r\n"}) {
        bytes.text(text);
    }
    bytes.word(0)
        .word(1)
        .text("Jazz")
        .word(1)
        .text("CD4")
        .newClass("CByteArray", 0)
        .word(3)
        .raw("abc");
    return bytes;
}

TEST_F(CliTest, NewWritesAnEmptyCatalogueWithTheDefaults) {
    const CliRun result = run("new " + quoted("new.vrd"));
    EXPECT_EQ(result.status, 0) << result.err;
    CQXCatalog fresh;
    fresh.addDefaultNamedObjects();
    EXPECT_EQ(readFile(folder.file("new.vrd")), writeCatalogue(fresh, kCodePage));
}

TEST_F(CliTest, DumpJsonShowsTheFileAsStoredWhereverTheOptionStands) {
    // As stored: no default named objects are added and no owner is assigned.
    writeFile(folder.file("old.qvd"), oldCatalogue());
    const std::string expected =
        R"json({"discs":[{"number":"4","quality":"","info":"<info/>","artist":"Miles \"Dewey\" Davis",)json"
        R"json("name":"KIND","location":"home","date":"March 05 2004","lend_date":"",)json"
        R"json("outline":"4 KIND\r\n\tmusic\r\n","owner_name":"null","owner_digest":"null",)json"
        R"json("shared":"Yes","serial":"0","size":"0.0","categories":[],)json"
        R"json("files":[{"name":"Café.mp3","folder":"d:\\music\\","size":"4096","drive":"d:",)json"
        R"json("categories":["Jazz"]}]}],"categories":["Jazz"],)json"
        R"json("named":{"CD4":{"type":"CByteArray","size":3,"md5":"900150983cd24fb0d6963f7d28e17f72"}}})json"
        "\n";
    for (const std::string& arguments :
         {"dump --json " + quoted("old.qvd"), "--json dump " + quoted("old.qvd"),
          "dump " + quoted("old.qvd") + " --json"}) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, expected) << arguments;
    }
    const CliRun text = run("dump " + quoted("old.qvd"));
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("Disc 4: KIND"), std::string::npos);
    EXPECT_NE(text.out.find("d:\\music\\Café.mp3"), std::string::npos);
}

TEST_F(CliTest, ConvertWritesTheCurrentSchemaWithoutTakingOwnership) {
    writeFile(folder.file("old.qvd"), oldCatalogue());
    const CliRun result = run("convert " + quoted("old.qvd") + " " + quoted("new.vrd"));
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string converted = readFile(folder.file("new.vrd"));
    EXPECT_EQ(converted.substr(0, 15), test::ArchiveBytes().word(1).newClass("CQXDisc", 5).str());

    CQXCatalog catalogue;
    MemorySource source(converted);
    readCatalogue(source, kCodePage, catalogue);
    EXPECT_EQ(catalogue.discs[0]->ownerName(), "null");
    EXPECT_EQ(catalogue.discs[0]->files[0].name(), "Caf\u00E9.mp3");
    EXPECT_EQ(run("dump --json " + quoted("new.vrd")).out,
              run("dump --json " + quoted("old.qvd")).out);
}

// Forty discs of two thousand entries: several megabytes, read in many pieces.
std::string largeCatalogue() {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    for (int d = 1; d <= 40; ++d) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(std::to_string(d));
        disc->setName("DISC " + std::to_string(d));
        for (int f = 0; f < 2000; ++f) {
            disc->files.emplace_back("file " + std::to_string(f) + ".mp3",
                                     "d:\\folder " + std::to_string(f / 100) + "\\", "1000", "d:");
        }
        catalogue.appendDisc(std::move(disc));
    }
    return writeCatalogue(catalogue, kCodePage);
}

// The dump shows a catalogue disc by disc as it reads it; a file damaged after many megabytes
// of output must still show nothing.
TEST_F(CliTest, DumpShowsLargeCataloguesWholeOrNothing) {
    const std::string bytes = largeCatalogue();
    writeFile(folder.file("large.vrd"), bytes);
    writeFile(folder.file("cut.vrd"), bytes.substr(0, bytes.size() - 10));

    const CliRun whole = run("dump " + quoted("large.vrd"));
    EXPECT_EQ(whole.status, 0) << whole.err;
    EXPECT_GT(whole.out.size(), 3'000'000u);
    EXPECT_NE(whole.out.find("Disc 40: DISC 40\n"), std::string::npos);
    EXPECT_NE(whole.out.find("    d:\\folder 19\\file 1999.mp3  (1000 bytes)\nCategories:"),
              std::string::npos);
    for (const char* form : {"dump ", "dump --json "}) {
        const CliRun cut = run(form + quoted("cut.vrd"));
        EXPECT_EQ(cut.status, 1) << form;
        EXPECT_EQ(cut.out, "") << form;
        EXPECT_NE(cut.err.find("the file ends inside an item"), std::string::npos) << cut.err;
    }
}

// Convert writes each disc as it reads it; the new file replaces the old one only when whole.
TEST_F(CliTest, ConvertWritesLargeCataloguesWholeOrLeavesTheOldFile) {
    const std::string bytes = largeCatalogue();
    writeFile(folder.file("large.vrd"), bytes);
    writeFile(folder.file("cut.vrd"), bytes.substr(0, bytes.size() - 10));

    const CliRun whole = run("convert " + quoted("large.vrd") + " " + quoted("out.vrd"));
    EXPECT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(readFile(folder.file("out.vrd")), bytes);

    std::string failure;
    try {
        CQXCatalog read;
        MemorySource source(std::string_view(bytes).substr(0, bytes.size() - 10));
        readCatalogue(source, kCodePage, read);
    } catch (const ArchiveError& e) {
        failure = std::string(e.what()) + " at byte " + std::to_string(e.offset());
    }
    const CliRun cut = run("convert " + quoted("cut.vrd") + " " + quoted("out.vrd"));
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(cut.err, "vorlix-cli: " + folder.file("cut.vrd") + ": " + failure + "\n");
    EXPECT_EQ(readFile(folder.file("out.vrd")), bytes);
    for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
        const std::string name = file.path().filename().string();
        EXPECT_TRUE(name == "out.vrd" || name.find("out.vrd") == std::string::npos) << name;
    }
}

TEST_F(CliTest, ADamagedFileGivesOneLineWithTheOffsetAndWritesNothing) {
    const std::string bytes = oldCatalogue();
    writeFile(folder.file("cut.vrd"), bytes.substr(0, 40));

    const CliRun dump = run("dump --json " + quoted("cut.vrd"));
    EXPECT_EQ(dump.status, 1);
    EXPECT_EQ(dump.out, "");
    EXPECT_EQ(dump.err, "vorlix-cli: " + folder.file("cut.vrd") +
                            ": the file ends inside an item at byte 35\n");

    const CliRun convert = run("convert " + quoted("cut.vrd") + " " + quoted("out.vrd"));
    EXPECT_EQ(convert.status, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.vrd")));

    const CliRun missing = run("dump " + quoted("missing.vrd"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "vorlix-cli: " + folder.file("missing.vrd") + ": No such file or directory\n");
}

TEST_F(CliTest, WrongUsageExitsWithTwo) {
    for (const char* arguments :
         {"", "frobnicate x", "dump", "dump a b", "dump --yaml a", "new --json a", "convert a"}) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(result.err.find("usage: vorlix-cli"), std::string::npos) << arguments;
    }
}

TEST_F(CliTest, TheInstalledDemoIsWhatTheGeneratorMakes) {
    const CliRun result = run("make-demo " + quoted("Demo.vrd"));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readFile(folder.file("Demo.vrd")),
              readFile(std::string(VORLIX_SOURCE_DIR) + "/data/Demo.vrd"))
        << "regenerate data/Demo.vrd with: vorlix-cli make-demo --force data/Demo.vrd";
}

TEST_F(CliTest, AccountsAreAddedListedUsedAndDeleted) {
    EXPECT_EQ(run("accounts add anna", "secret").status, 0);
    EXPECT_EQ(run("accounts add bob", "hunter2").status, 0);
    const CliRun list = run("accounts list");
    EXPECT_EQ(list.out, md5Hex("bob") + " " + md5Hex("hunter2") + "\n" + md5Hex("anna") + " " +
                            md5Hex("secret") + "\n")
        << "newest first, digests only";
    EXPECT_TRUE(std::filesystem::exists(folder.file("data/vorlix/qxdata.inf")));
    // The first run installed the program folder and the settings, as the desktop program does.
    EXPECT_EQ(readFile(folder.file("data/vorlix/Demo.vrd")),
              readFile(std::string(VORLIX_SOURCE_DIR) + "/data/Demo.vrd"));
    EXPECT_NE(readFile(folder.file("config/vorlix/settings.reg")).find("\"installdir\"="),
              std::string::npos);

    const struct {
        std::string arguments;
        std::optional<std::string> password;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {"accounts add anna", "other", 1, "",
         "vorlix-cli: An account with the same username already exists!\n"},
        {"whoami --user anna", "secret", 0, "Currently logged in as: anna\n", ""},
        {"--user=anna whoami", "secret", 0, "Currently logged in as: anna\n", ""},
        {"whoami --user anna", "wrong", 1, "", "vorlix-cli: False password!\n"},
        {"whoami --user carol", "secret", 1, "", "vorlix-cli: The account does not exist!\n"},
        {"whoami --user anna", std::nullopt, 1, "",
         "vorlix-cli: no password: set VORLIX_PASSWORD or run on a terminal\n"},
        {"whoami", std::nullopt, 1, "", "vorlix-cli: not logged in: give --user NAME\n"},
        {"accounts delete anna", "wrong", 1, "", "vorlix-cli: False password!\n"},
        {"accounts delete anna", "secret", 0, "Account deleted.\n", ""},
        {"whoami --user anna", "secret", 1, "", "vorlix-cli: The account does not exist!\n"},
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.arguments, c.password);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_EQ(result.out, c.out) << c.arguments;
        EXPECT_EQ(result.err, c.err) << c.arguments;
    }
    EXPECT_EQ(run("accounts list").out, md5Hex("bob") + " " + md5Hex("hunter2") + "\n");
}

TEST_F(CliTest, TheStoredAutomaticLoginIsUsedOnlyWhenSwitchedOn) {
    ASSERT_EQ(run("accounts add anna", "secret").status, 0);
    std::filesystem::create_directories(folder.file("config/vorlix"));
    auto settings = [&](int autologin) {
        writeFile(folder.file("config/vorlix/settings.reg"),
                  "Windows Registry Editor Version 5.00\r\n\r\n"
                  "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Settings]\r\n"
                  "\"autologin\"=dword:0000000" +
                      std::to_string(autologin) +
                      "\r\n"
                      "\"lnfo1\"=\"anna\"\r\n"
                      "\"lnfo2\"=\"" +
                      md5Hex("secret") + "\"\r\n");
    };
    settings(1);
    EXPECT_EQ(run("whoami").out, "Currently logged in as: anna\n");
    settings(2);
    EXPECT_EQ(run("whoami").status, 1) << "only 1 switches the automatic login on";
}

TEST_F(CliTest, ADamagedAccountsFileIsLeftAsItIsWhileItsSoundAccountsStillLogIn) {
    ASSERT_EQ(run("accounts add anna", "secret").status, 0);
    ASSERT_EQ(run("accounts add bob", "hunter2").status, 0);
    const std::string path = folder.file("data/vorlix/qxdata.inf");
    std::string damaged = readFile(path);
    damaged[80] = 0x05;  // anna's record names a class that was never described
    writeFile(path, damaged);
    const std::string notice = "vorlix-cli: The accounts file \"" + path +
                               "\" is damaged at byte 82; it is left as it is. Accounts stored "
                               "after that point cannot be used, and adding, changing and "
                               "deleting accounts is refused until the file is repaired or "
                               "replaced.\n";

    const struct {
        std::string arguments;
        std::optional<std::string> password;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {"whoami --user bob", "hunter2", 0, "Currently logged in as: bob\n", notice},
        {"whoami --user anna", "secret", 1, "",
         notice + "vorlix-cli: The account does not exist!\n"},
        {"accounts list", std::nullopt, 0, md5Hex("bob") + " " + md5Hex("hunter2") + "\n", notice},
        {"accounts add carol", "pw", 1, "", notice},
        {"accounts delete bob", "hunter2", 1, "", notice},
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.arguments, c.password);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_EQ(result.out, c.out) << c.arguments;
        EXPECT_EQ(result.err, c.err) << c.arguments;
        EXPECT_EQ(readFile(path), damaged) << c.arguments;
    }
}

TEST_F(CliTest, AccountsNeedAKnownActionAndAName) {
    for (const char* arguments : {"accounts frob x", "accounts add", "accounts list x"}) {
        const CliRun result = run(arguments, "pw");
        EXPECT_EQ(result.status, 1) << arguments;
        EXPECT_EQ(result.err, "vorlix-cli: accounts takes: add NAME, delete NAME or list\n");
    }
    EXPECT_EQ(run("accounts add anna extra", "pw").status, 2);
    EXPECT_EQ(run("whoami --user", "pw").status, 2);
}

}  // namespace
}  // namespace vorlix
