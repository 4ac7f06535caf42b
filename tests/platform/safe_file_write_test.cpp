#include "platform/safe_file_write.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/byte_sink.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "platform/save_temporary.h"
#include "support/result_assertions.h"
#include "support/sample_catalogue.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

TEST(SafeFileWriteTest, ReplacesTheFileKeepingItsPermissionsAndLeavesNoTemporary) {
    test::TempDir folder;
    const std::string path = folder.file("a.vrd");
    test::writeFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    EXPECT_TRUE(test::succeeded(safeWriteFile(path, std::string("new\0bytes", 9))));
    EXPECT_EQ(test::readFile(path), std::string("new\0bytes", 9));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

// Files are written from several threads, so the process's umask is never changed, not even
// for a moment to read it: a new file takes the mask the process started with.
TEST(SafeFileWriteTest, ANewFileTakesTheUmaskOfTheStartWhateverItIsLater) {
    test::TempDir folder;
    const mode_t atStart = ::umask(0);
    ::umask(atStart);
    const mode_t later = atStart == 0 ? 022 : 0;
    for (const mode_t mask : {atStart, later}) {
        ::umask(mask);
        const std::string path = folder.file("new-" + std::to_string(mask) + ".vrd");
        const Result written = safeWriteFile(path, "bytes");
        ::umask(atStart);
        ASSERT_TRUE(test::succeeded(written));
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0666u & ~atStart) << "umask " << mask;
    }
}

TEST(SafeFileWriteTest, ReportsAFolderThatDoesNotExist) {
    test::TempDir folder;
    EXPECT_TRUE(test::failedWith(safeWriteFile(folder.file("missing/a.vrd"), "x"),
                                 "No such file or directory"));
}

TEST(SafeFileWriteTest, ReportsATargetThatIsAFolderAndLeavesItAlone) {
    test::TempDir folder;
    std::filesystem::create_directory(folder.file("taken"));
    const Result written = safeWriteFile(folder.file("taken"), "x");
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(written.message(), "Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("taken")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

// A file kept elsewhere and linked into place is replaced where it lives, with its own mode,
// and stays linked.
TEST(SafeFileWriteTest, ALinkIsFollowedAndItsTargetReplacedWithTheTargetsMode) {
    test::TempDir folder;
    std::filesystem::create_directory(folder.file("real"));
    const std::string target = folder.file("real/a.vrd");
    test::writeFile(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    std::filesystem::create_symlink("real/a.vrd", folder.file("relative.vrd"));
    std::filesystem::create_symlink(folder.file("relative.vrd"), folder.file("chained.vrd"));
    std::filesystem::create_symlink("real/new.vrd", folder.file("dangling.vrd"));

    for (const char* link : {"relative.vrd", "chained.vrd"}) {
        ASSERT_TRUE(test::succeeded(safeWriteFile(folder.file(link), link))) << link;
        EXPECT_TRUE(std::filesystem::is_symlink(folder.file(link)));
        EXPECT_EQ(test::readFile(target), link);
        struct stat info {};
        ASSERT_EQ(::stat(target.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0640u) << link;
    }
    ASSERT_TRUE(test::succeeded(safeWriteFile(folder.file("dangling.vrd"), "made")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("dangling.vrd")));
    EXPECT_EQ(test::readFile(folder.file("real/new.vrd")), "made");
}

// A FIFO, a socket or a device at the path (or at the end of a link) is no file to replace:
// the save is refused and it stays what it was.
TEST(SafeFileWriteTest, WhatIsNotARegularFileIsRefusedAndLeftAsItIs) {
    test::TempDir folder;
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("fifo", folder.file("link-to-fifo"));
    std::filesystem::create_symlink("/dev/null", folder.file("link-to-null"));
    for (const char* name : {"fifo", "link-to-fifo", "link-to-null"}) {
        EXPECT_TRUE(
            test::failedWith(safeWriteFile(folder.file(name), "x"), "it is not a regular file"))
            << name;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(folder.file("fifo")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link-to-fifo")));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              3);
}

// The temporary file beside the file tells what it is for and whose it is.
TEST(SafeFileWriteTest, TheTemporaryFileIsNamedAfterTheFileAndTheSavingProcess) {
    test::TempDir folder;
    std::vector<std::string> seen;
    const Result written = safeWriteFile(folder.file("a.vrd"), [&](ByteSink& sink) {
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            seen.push_back(entry.path().filename().string());
        }
        sink.write("x", 1);
    });
    ASSERT_TRUE(test::succeeded(written));
    EXPECT_EQ(seen, std::vector<std::string>{".a.vrd.vorlix-tmp-" + std::to_string(::getpid()) +
                                             "-" + std::to_string(::gettid())});
}

struct OwnerCase {
    std::string name;
    std::optional<pid_t> owner;
};

TEST(SafeFileWriteTest, OnlyNamesOfSaveTemporariesHaveAnOwner) {
    for (const OwnerCase& c : {OwnerCase{".a.vrd.vorlix-tmp-123-456", 123},
                               OwnerCase{".x.vorlix-tmp-1-1.vorlix-tmp-77-78", 77},
                               OwnerCase{"a.vrd.vorlix-tmp-123-456", std::nullopt},
                               OwnerCase{"..vorlix-tmp-123-456", std::nullopt},
                               OwnerCase{".a.vrd.vorlix-tmp-123", std::nullopt},
                               OwnerCase{".a.vrd.vorlix-tmp-12x-4", std::nullopt},
                               OwnerCase{".a.vrd.vorlix-tmp-0-4", std::nullopt},
                               OwnerCase{".a.vrd.vorlix-tmp--4", std::nullopt},
                               OwnerCase{".a.vrd.vorlix-tmp-99999999999999-4", std::nullopt}}) {
        EXPECT_EQ(temporaryFileOwner(c.name), c.owner) << c.name;
    }
}

// What a save killed half-way leaves behind goes at the next save into the folder; the
// temporary files of saves still running are theirs.
TEST(SafeFileWriteTest, ASaveRemovesTheTemporaryFilesOfDeadProcessesOnly) {
    test::TempDir folder;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::_exit(0);
    }
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const pid_t dead = child;
    const std::string stale = folder.file(temporaryFileName("a.vrd", dead, dead));
    const std::string running = folder.file(temporaryFileName("b.vrd", ::getppid(), 1));
    const std::string lookalike = folder.file(".c.vrd.vorlix-tmp-x");
    for (const std::string& path : {stale, running, lookalike}) {
        test::writeFile(path, "half");
    }

    ASSERT_TRUE(test::succeeded(safeWriteFile(folder.file("other.vrd"), "x")));
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(running));
    EXPECT_TRUE(std::filesystem::exists(lookalike));
}

constexpr std::size_t kMiB = 1024 * 1024;

// More than 12 MiB in the file form, which a save hands to the disk in several runs while it
// serialises: the sample's discs and many more file entries, some of them outside ASCII and
// outside the code page.
CQXCatalog catalogueOfSeveralRuns() {
    CQXCatalog catalogue = test::sampleCatalogue();
    for (int d = 0; d < 80; ++d) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(std::to_string(100 + d));
        disc->setName("DISC_" + std::to_string(d));
        for (int f = 0; f < 5000; ++f) {
            const char* word = f % 20 == 0 ? "Caf\u00e9" : (f % 97 == 0 ? "\u6771\u4eac" : "Song");
            disc->files.emplace_back(std::to_string(f) + " - " + word + ".mp3",
                                     "music\\" + std::to_string(f / 100), std::to_string(f * 1000),
                                     "D:");
        }
        catalogue.discs.push_back(std::move(disc));
    }
    return catalogue;
}

TEST(SafeFileWriteTest, ACatalogueOfSeveralRunsIsSavedWithExactlyItsSerialisedBytes) {
    test::TempDir folder;
    const Windows1252 codePage;
    CQXCatalog catalogue = catalogueOfSeveralRuns();
    const std::string expected = writeCatalogue(catalogue, codePage);
    ASSERT_GT(expected.size(), 12 * kMiB);

    const std::string path = folder.file("large.vrd");
    ASSERT_TRUE(test::succeeded(
        safeWriteFile(path, [&](ByteSink& sink) { writeCatalogue(catalogue, codePage, sink); })));
    EXPECT_TRUE(test::readFile(path) == expected);
}

// Lets the process give a file no more than `limit` bytes, as a disk that fills up does: a
// write past it fails with EFBIG instead of stopping the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{limit, m_before.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_before{};
    void (*m_signal)(int) = SIG_DFL;
};

struct FailingSaveCase {
    std::string name;
    std::optional<rlim_t> fileSizeLimit;
    std::optional<std::size_t> producerFailsAt;
    std::string message;
};

// Either failure comes after megabytes went to the disk, from the disk or from the producer.
// The producer hears of the disk's failure at its next write and stops long before it is done.
TEST(SafeFileWriteTest, AFailureAfterSeveralRunsKeepsTheOldFileAndLeavesNoTemporary) {
    for (const FailingSaveCase& c : {
             FailingSaveCase{"the disk fills up", 10 * kMiB, std::nullopt, std::strerror(EFBIG)},
             FailingSaveCase{"the producer fails", std::nullopt, 10 * kMiB,
                             "the catalogue changed"},
         }) {
        test::TempDir folder;
        const std::string path = folder.file("a.vrd");
        test::writeFile(path, "old");
        const std::size_t total = 64 * kMiB;
        const std::string chunk(64 * 1024, 'x');
        std::size_t produced = 0;
        Result written = Result::success();
        {
            std::optional<FileSizeLimit> limit;
            if (c.fileSizeLimit) {
                limit.emplace(*c.fileSizeLimit);
            }
            written = safeWriteFile(path, [&](ByteSink& sink) {
                for (; produced < total; produced += chunk.size()) {
                    if (produced == c.producerFailsAt) {
                        throw std::runtime_error("the catalogue changed");
                    }
                    sink.write(chunk.data(), chunk.size());
                }
            });
        }
        EXPECT_TRUE(test::failedWith(written, c.message)) << c.name;
        EXPECT_LT(produced, total) << c.name;
        EXPECT_TRUE(test::readFile(path) == "old") << c.name;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                                std::filesystem::directory_iterator()),
                  1)
            << c.name;
    }
}

}  // namespace
}  // namespace vorlix
