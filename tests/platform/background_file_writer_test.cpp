#include "platform/background_file_writer.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace vorlix {
namespace {

using test::readFile;
using test::TempDir;

struct Outcome {
    std::string path;
    bool ok;
    std::string message;
};

struct BackgroundFileWriterTest : ::testing::Test {
    TempDir folder;
    std::mutex mutex;
    std::vector<Outcome> outcomes;
    BackgroundFileWriter writer{[this](const std::string& path, const Result& result) {
        const std::lock_guard lock(mutex);
        outcomes.push_back({path, result.ok(), result.message()});
    }};
};

TEST_F(BackgroundFileWriterTest, WritesEveryFileHandedOverAndTellsOfEach) {
    writer.write(folder.file("a.vrd"), {"first"});
    writer.write(folder.file("b.vrd"), {"sec", "", "ond"});
    writer.waitUntilWritten();

    EXPECT_EQ(readFile(folder.file("a.vrd")), "first");
    EXPECT_EQ(readFile(folder.file("b.vrd")), "second");
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(outcomes[0].path, folder.file("a.vrd"));
    EXPECT_TRUE(outcomes[0].ok);
    EXPECT_EQ(outcomes[1].path, folder.file("b.vrd"));
    EXPECT_TRUE(outcomes[1].ok);
}

TEST_F(BackgroundFileWriterTest, TheNewestBytesForAPathAreWhatStays) {
    for (const char* bytes : {"one", "two", "three, the longest"}) {
        writer.write(folder.file("a.vrd"), {bytes});
    }
    writer.write(folder.file("a.vrd"), {"four"});
    writer.waitUntilWritten();

    EXPECT_EQ(readFile(folder.file("a.vrd")), "four");
}

TEST_F(BackgroundFileWriterTest, AFailureComesWithItsPathAndReason) {
    const std::string path = folder.path() + "/missing/a.vrd";
    writer.write(path, {"bytes"});
    writer.waitUntilWritten();

    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].path, path);
    EXPECT_FALSE(outcomes[0].ok);
    EXPECT_FALSE(outcomes[0].message.empty());
}

TEST(BackgroundFileWriter, EndsOnlyAfterWritingWhatWasHandedOver) {
    TempDir folder;
    {
        BackgroundFileWriter writer([](const std::string&, const Result&) {});
        for (int i = 0; i < 20; ++i) {
            writer.write(folder.file("f" + std::to_string(i)), {std::to_string(i)});
        }
    }
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(readFile(folder.file("f" + std::to_string(i))), std::to_string(i));
    }
}

}  // namespace
}  // namespace vorlix
