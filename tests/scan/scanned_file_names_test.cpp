#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/byte_source.h"
#include "core/catalog_format.h"
#include "core/text_case.h"
#include "platform/disc/disc_test_support.h"
#include "scan/scan_fixture.h"
#include "scan/scan_job.h"
#include "support/result_assertions.h"

namespace vorlix {
namespace {

using Lines = std::vector<std::string>;
using test::writeSized;

// What every source below holds: names in Latin-1 bytes, as a disc written on Windows or a
// folder copied from one has them, beside a plain one.
const Lines kScanned = {
    "d:\\mus\u00E9e\\|\u00E0 la carte.mp3|5|d:",
    "d:\\|caf\u00E9.mp3|3|d:",
    "d:\\|plain.mp3|1|d:",
};

// A tree with such names, and a scan of the sources it is offered as.
class ScannedFileNamesTest : public testing::Test {
protected:
    void SetUp() override {
        writeSized(tree("caf\xE9.mp3"), 3);
        writeSized(tree("Mus\xE9"
                        "e/\xE0 la carte.mp3"),
                   5);
        writeSized(tree("plain.mp3"), 1);
    }

    std::string tree(const std::string& path = {}) const {
        return m_dir.file("tree") + (path.empty() ? "" : "/" + path);
    }

    // The walk's entries; the root's files sorted, since a folder lists them in no fixed order.
    Lines scan(const std::string& root) {
        const auto volume = m_drives.drives().open(root);
        EXPECT_TRUE(volume && volume->ready()) << root;
        m_job.setDrivePath(root);
        m_job.readVolume(volume->identity());
        EXPECT_TRUE(test::succeeded(m_job.prepare()));
        EXPECT_TRUE(test::succeeded(m_job.walk(*volume)));
        Lines lines = test::describe(m_job.entries());
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    test::TempDir m_dir;
    test::DrivesWithoutHardware m_drives;
    test::FilterListFiles m_files;
    test::FakeMediaTags m_tags;
    ScanJob m_job{m_files.lists, m_tags};
};

TEST_F(ScannedFileNamesTest, AFolderIsCataloguedByItsNamesTextsAndTheyLeadBackToItsFiles) {
    const std::string root = m_drives.drives().addFolder(tree()).root;
    ASSERT_EQ(root, "D:\\");
    EXPECT_EQ(scan(root), kScanned);
    EXPECT_EQ(m_job.folderOutline(), " \r\n\tMus\u00E9e\r\n");

    CQXCatalog catalogue;
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber("1");
    disc->files = m_job.takeEntries();
    catalogue.appendDisc(std::move(disc));
    const Windows1252 codePage;
    const std::string bytes = writeCatalogue(catalogue, codePage);
    // In the catalogue's code page the names are the very bytes the folder holds.
    EXPECT_NE(bytes.find("caf\xE9.mp3"), std::string::npos);

    MemorySource source(bytes);
    CQXCatalog reloaded;
    readCatalogue(source, codePage, reloaded);
    ASSERT_EQ(reloaded.discs.size(), 1u);
    Lines resolved;
    for (const auto& file : reloaded.discs[0]->files) {
        const auto path =
            m_drives.drives().resolve(std::string(file.folder()) + std::string(file.name()));
        resolved.push_back(path.value_or("unresolved " + std::string(file.name())));
    }
    std::sort(resolved.begin(), resolved.end());
    EXPECT_EQ(resolved, (Lines{tree("Mus\xE9"
                                    "e/\xE0 la carte.mp3"),
                               tree("caf\xE9.mp3"), tree("plain.mp3")}));
}

// A line end and a tab in a folder's name would add a folder to the outline that is no folder,
// and a backslash would part a name in two; their stand-ins keep each name one name, and the
// names still lead back to the files.
TEST(ScannedFileNames, NamesWithLineEndsTabsAndBackslashesKeepTheirPlaceAndLeadBack) {
    test::TempDir dir;
    const std::string folder = "two\r\nlines\tand a tab";
    writeSized(dir.file("tree/" + folder + "/inner.mp3"), 2);
    writeSized(dir.file("tree/back\\slash.mp3"), 3);
    test::DrivesWithoutHardware drives;
    const std::string root = drives.drives().addFolder(dir.file("tree")).root;
    const auto volume = drives.drives().open(root);
    test::FilterListFiles files;
    test::FakeMediaTags tags;
    ScanJob job(files.lists, tags);
    job.setDrivePath(root);
    job.setDiscNumber("7");
    ASSERT_TRUE(test::succeeded(job.prepare()));
    ASSERT_TRUE(test::succeeded(job.walk(*volume)));

    const std::string shown = "two\u240D\u240Alines\u2409and a tab";
    EXPECT_EQ(test::describe(job.entries()), (Lines{"d:\\" + lowerCase(shown) + "\\|inner.mp3|2|d:",
                                                    "d:\\|back\uFF3Cslash.mp3|3|d:"}));
    EXPECT_EQ(job.folderOutline(), "7 \r\n\t" + shown + "\r\n");
    for (const auto& file : job.entries()) {
        const std::string catalogued = std::string(file.folder()) + std::string(file.name());
        EXPECT_TRUE(drives.drives().resolve(catalogued)) << catalogued;
    }
    EXPECT_EQ(drives.drives().resolve("d:\\back\uFF3Cslash.mp3"), dir.file("tree/back\\slash.mp3"));
    EXPECT_EQ(drives.drives().resolve("d:\\" + shown + "\\INNER.mp3"),
              dir.file("tree/" + folder + "/inner.mp3"));
}

struct ImageCase {
    const char* name;
    const char* command;  // %1 the image, %2 the tree
};

class ScannedImageNamesTest : public ScannedFileNamesTest,
                              public testing::WithParamInterface<ImageCase> {};

TEST_P(ScannedImageNamesTest, AnImageIsCataloguedByItsNamesTexts) {
    std::string command = GetParam().command;
    command.replace(command.find("%1"), 2, m_dir.file("image.iso"));
    command.replace(command.find("%2"), 2, tree());
    ASSERT_EQ(std::system(("LC_ALL=C " + command + " >/dev/null 2>&1").c_str()), 0) << command;
    const std::string root = m_drives.drives().addImage(m_dir.file("image.iso")).root;
    EXPECT_EQ(scan(root), kScanned);
}

INSTANTIATE_TEST_SUITE_P(
    Xorriso, ScannedImageNamesTest,
    testing::Values(ImageCase{"RockRidge", "xorriso -as mkisofs -R -V NAMES -o '%1' '%2'"},
                    ImageCase{"PlainIso9660",
                              "xorriso -outdev '%1' -compliance untranslated_names "
                              "-rockridge off -joliet off -volid NAMES -map '%2' /"}),
    [](const testing::TestParamInfo<ImageCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vorlix
