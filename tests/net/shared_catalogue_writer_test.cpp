#include "net/shared_catalogue_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/catalogue_document.h"
#include "core/byte_source.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "net/shared_folder.h"
#include "support/document_rig.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

std::unique_ptr<CQXDisc> disc(const std::string& number, const std::string& shared) {
    auto made = std::make_unique<CQXDisc>();
    made->setNumber(number);
    made->setName("Disc " + number);
    made->setShared(shared);
    made->setOwnerName("anna");
    made->setOwnerDigest(test::DocumentRig::anna().passwordDigest);
    return made;
}

// Discs 1 to 5, of which 2, 3 and 5 are shared; "yes" in another case is not "Yes".
CQXCatalog mixedCatalogue() {
    CQXCatalog catalogue;
    catalogue.appendDisc(disc("1", "No"));
    catalogue.appendDisc(disc("2", "Yes"));
    catalogue.appendDisc(disc("3", "Yes"));
    catalogue.appendDisc(disc("4", "yes"));
    catalogue.appendDisc(disc("5", "Yes"));
    catalogue.categories = {"Music", "Films", "Backup"};
    return catalogue;
}

CQXCatalog readBack(const std::string& path) {
    const Windows1252 codePage;
    const std::string bytes = readFile(path);
    MemorySource source(bytes);
    CQXCatalog catalogue;
    readCatalogue(source, codePage, catalogue);
    return catalogue;
}

std::vector<std::string> numbersOf(const CQXCatalog& catalogue) {
    std::vector<std::string> numbers;
    for (const auto& d : catalogue.discs) {
        numbers.emplace_back(d->number());
    }
    return numbers;
}

struct SharedCatalogueWriterTest : ::testing::Test {
    TempDir folder;
    Windows1252 codePage;
    std::vector<std::string> problems;
    SharedCatalogueWriter writer{folder.path(), codePage, [this](const std::string& problem) {
                                     problems.push_back(problem);
                                 }};
};

TEST_F(SharedCatalogueWriterTest, HoldsExactlyTheSharedDiscsAndTheCategoriesInReverseOrder) {
    const CQXCatalog catalogue = mixedCatalogue();
    writer.publish(catalogue);
    writer.waitUntilWritten();

    const CQXCatalog shared = readBack(folder.file(kSharedDatabaseName));
    EXPECT_EQ(numbersOf(shared), (std::vector<std::string>{"5", "3", "2"}));
    EXPECT_EQ(shared.categories, (std::vector<std::string>{"Backup", "Films", "Music"}));
    EXPECT_TRUE(shared.named.empty());
    EXPECT_EQ(writer.sharedDatabasePath(), folder.file(kSharedDatabaseName));
    EXPECT_EQ(catalogue.discs.size(), 5u) << "the catalogue itself keeps every disc";
    EXPECT_TRUE(problems.empty());
}

// A form prepared ahead (as the reading worker does) is the file publish writes; without
// shared discs there is nothing to publish and the earlier file stays.
TEST_F(SharedCatalogueWriterTest, APreparedFormIsTheFilePublishWrites) {
    const CQXCatalog catalogue = mixedCatalogue();
    writer.publish(catalogue);
    writer.waitUntilWritten();
    const std::string published = readFile(folder.file(kSharedDatabaseName));

    writeFile(folder.file(kSharedDatabaseName), "written earlier");
    CQXCatalog unshared;
    unshared.appendDisc(disc("1", "No"));
    writer.publishPrepared(writer.prepare(unshared));
    writer.waitUntilWritten();
    EXPECT_EQ(readFile(folder.file(kSharedDatabaseName)), "written earlier");

    writer.publishPrepared(writer.prepare(catalogue));
    writer.waitUntilWritten();
    EXPECT_EQ(readFile(folder.file(kSharedDatabaseName)), published);
    EXPECT_TRUE(problems.empty());
}

TEST_F(SharedCatalogueWriterTest, TheTreeCatalogueGoesToItsOwnFile) {
    writer.publishTreeCatalogue(mixedCatalogue());
    writer.waitUntilWritten();

    EXPECT_EQ(numbersOf(readBack(folder.file(kTreeSharedDatabaseName))),
              (std::vector<std::string>{"5", "3", "2"}));
    EXPECT_FALSE(std::filesystem::exists(folder.file(kSharedDatabaseName)));
}

TEST_F(SharedCatalogueWriterTest, WithoutSharedDiscsAFileWrittenEarlierStaysAsItWas) {
    writeFile(folder.file(kSharedDatabaseName), "written earlier");
    CQXCatalog catalogue;
    catalogue.appendDisc(disc("1", "No"));
    catalogue.categories = {"Music"};

    writer.publish(catalogue);
    writer.publishTreeCatalogue(catalogue);
    writer.waitUntilWritten();

    EXPECT_EQ(readFile(folder.file(kSharedDatabaseName)), "written earlier");
    EXPECT_FALSE(std::filesystem::exists(folder.file(kTreeSharedDatabaseName)));
}

TEST(SharedCatalogueWriter, AFailureIsReportedOnceUntilAWriteSucceedsAgain) {
    TempDir folder;
    const Windows1252 codePage;
    std::vector<std::string> problems;
    const std::string missing = folder.path() + "/not yet";
    SharedCatalogueWriter writer(missing, codePage,
                                 [&](const std::string& problem) { problems.push_back(problem); });
    const CQXCatalog catalogue = mixedCatalogue();

    writer.publish(catalogue);
    writer.publish(catalogue);
    writer.waitUntilWritten();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find(missing + "/" + std::string(kSharedDatabaseName)), std::string::npos)
        << problems[0];

    std::filesystem::create_directory(missing);
    writer.publish(catalogue);
    writer.waitUntilWritten();
    EXPECT_EQ(problems.size(), 1u);
    std::filesystem::remove_all(missing);
    writer.publish(catalogue);
    writer.waitUntilWritten();
    EXPECT_EQ(problems.size(), 2u);
}

// The document with the real writer behind it.
struct SharedCatalogueDocumentTest : ::testing::Test {
    test::DocumentRig rig;
    std::vector<std::string> problems;
    SharedCatalogueWriter writer{
        sharedFolderOf(rig.folder.path() + "/"), rig.codePage,
        [this](const std::string& problem) { problems.push_back(problem); }};
    CQX2Doc document{{rig.prompt, rig.settings, rig.codePage, rig.windows, rig.login,
                      rig.changeOwner, writer, rig.application, rig.chat, rig.chatAccount,
                      rig.shell, rig.playlists, rig.longWork, rig.clock},
                     rig.folder.path() + "/"};

    SharedCatalogueDocumentTest() {
        EXPECT_TRUE(prepareSharedFolder(sharedFolderOf(rig.folder.path() + "/")).ok());
        document.reset();
        document.catalogue() = mixedCatalogue();
    }
};

TEST_F(SharedCatalogueDocumentTest, TheSharedDatabasePathExistsAfterTheFirstSaveAndFollowsLoads) {
    ASSERT_FALSE(std::filesystem::exists(writer.sharedDatabasePath()));
    ASSERT_TRUE(document.saveDocument(rig.folder.file("mine.vrd")));
    writer.waitUntilWritten();
    EXPECT_EQ(numbersOf(readBack(writer.sharedDatabasePath())),
              (std::vector<std::string>{"5", "3", "2"}));

    // Another catalogue with one shared disc is opened: the shared file follows it.
    CQXCatalog other;
    other.appendDisc(disc("7", "Yes"));
    writeFile(rig.folder.file("other.vrd"), writeCatalogue(other, rig.codePage));
    ASSERT_TRUE(document.openDocument(rig.folder.file("other.vrd")));
    writer.waitUntilWritten();
    EXPECT_EQ(numbersOf(readBack(writer.sharedDatabasePath())), (std::vector<std::string>{"7"}));
    EXPECT_TRUE(problems.empty());
}

TEST_F(SharedCatalogueDocumentTest, AFailedSaveLeavesTheSharedCatalogueAlone) {
    ASSERT_TRUE(document.saveDocument(rig.folder.file("mine.vrd")));
    writer.waitUntilWritten();
    const std::string before = readFile(writer.sharedDatabasePath());
    document.catalogue().discs[0]->setShared("Yes");

    // No temporary file can be made beside a name this long: the save itself fails.
    EXPECT_FALSE(document.saveDocument(rig.folder.file(std::string(250, 'k') + ".vrd")));
    writer.waitUntilWritten();
    EXPECT_EQ(readFile(writer.sharedDatabasePath()), before);
    EXPECT_NE(rig.prompt.messages.back().find("Could not save the catalogue"), std::string::npos);
}

TEST_F(SharedCatalogueDocumentTest, AnUnwritableSharedFolderDoesNotFailTheSave) {
    std::filesystem::remove_all(sharedFolderOf(rig.folder.path() + "/"));
    const std::size_t messagesBefore = rig.prompt.messages.size();

    EXPECT_TRUE(document.saveDocument(rig.folder.file("mine.vrd")));
    EXPECT_TRUE(document.saveDocument(rig.folder.file("mine.vrd")));
    writer.waitUntilWritten();

    EXPECT_EQ(readBack(rig.folder.file("mine.vrd")).discs.size(), 5u);
    EXPECT_EQ(problems.size(), 1u) << "reported once, and not in a message box";
    EXPECT_EQ(rig.prompt.messages.size(), messagesBefore);
}

TEST(SharedFolder, IsCreatedWithItsReadmeWrittenWhole) {
    TempDir program;
    const std::string shared = sharedFolderOf(program.path() + "/");
    EXPECT_EQ(shared, program.path() + "/MySharedDatabase");
    ASSERT_TRUE(prepareSharedFolder(shared).ok());
    const std::string readme = shared + "/README.txt";
    EXPECT_EQ(readFile(readme),
              "This folder contains your shared cd database.\r\n"
              "It is generated automatically by Orvanta.");

    // An older, longer README leaves nothing of itself behind; the folder is kept.
    writeFile(readme, std::string(500, 'x'));
    writeFile(shared + "/kept.vrd", "kept");
    ASSERT_TRUE(prepareSharedFolder(shared).ok());
    EXPECT_EQ(readFile(readme), std::string(kSharedReadmeText));
    EXPECT_EQ(readFile(shared + "/kept.vrd"), "kept");
}

TEST(SharedFolder, AFolderThatCannotBeMadeIsAFailure) {
    TempDir program;
    writeFile(program.file("MySharedDatabase"), "a file in the way");
    const Result prepared = prepareSharedFolder(sharedFolderOf(program.path() + "/"));
    EXPECT_FALSE(prepared.ok());
    EXPECT_NE(prepared.message().find("MySharedDatabase"), std::string::npos);
}

}  // namespace
}  // namespace vorlix
