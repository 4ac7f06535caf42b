#include "scan/archive_names.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

TEST(ArchiveNamesTest, KnowsArchivesOfSeveralMembersByTheirEndingInAnyCase) {
    const struct {
        const char* name;
        bool archive;
    } cases[] = {
        {"old.zip", true},   {"OLD.ZIP", true},   {"set.tar.gz", true}, {"set.TGZ", true},
        {"a.tar.bz2", true}, {"a.tbz2", true},    {"a.tar.xz", true},   {"a.tar.zst", true},
        {"pack.7z", true},   {"music.rar", true}, {"setup.cab", true},  {"disc.iso", true},
        {"app.jar", true},   {"plain.tar", true}, {"notes.gz", false},  {"notes.bz2", false},
        {"notes.xz", false}, {"zip", false},      {".zip", false},      {"old.zip.txt", false},
        {"oldzip", false},   {"readme", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isArchiveName(c.name), c.archive) << c.name;
    }
}

}  // namespace
}  // namespace vorlix
