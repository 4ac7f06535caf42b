#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/file_data.h"
#include "views/logic/file_list_columns.h"
#include "views/logic/file_list_folder.h"
#include "views/logic/file_list_row.h"
#include "views/logic/file_list_rows.h"
#include "views/logic/file_list_sort.h"
#include "views/logic/file_list_texts.h"

namespace vorlix {
namespace {

struct RowTextsCase {
    std::string fileName;
    std::string size;
    std::string name;
    std::string sizeText;
    std::string type;
};

class FileListRowTexts : public testing::TestWithParam<RowTextsCase> {};

TEST_P(FileListRowTexts, ShowsNameWithoutExtensionMegabytesAndType) {
    const RowTextsCase& c = GetParam();
    CQXFileData entry(c.fileName, "d:\\", c.size, "d:");
    const FileListRow row = fileListRow(entry);
    EXPECT_EQ(row.name, c.name);
    EXPECT_EQ(row.size, c.sizeText);
    EXPECT_EQ(row.type, c.type);
    EXPECT_EQ(row.entry, &entry);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileListRowTexts,
    testing::Values(RowTextsCase{"a.txt", "1048576", "a", "1.000 MB", "TXT"},
                    RowTextsCase{"empty.dat", "0", "empty", "0.000 MB", "DAT"},
                    // Only the last "." starts the extension.
                    RowTextsCase{"backup.tar.gz", "52428", "backup.tar", "0.050 MB", "GZ"},
                    RowTextsCase{"README", "12", "README", "0.000 MB", ""},
                    RowTextsCase{"name.", "1", "name", "0.000 MB", ""},
                    RowTextsCase{".hidden", "1", "", "0.000 MB", "HIDDEN"},
                    RowTextsCase{"Caf\u00E9.Mp3", "5242880", "Caf\u00E9", "5.000 MB", "MP3"},
                    // 3,000,000,000 bytes, stored as a signed 32-bit number.
                    RowTextsCase{"movie.iso", "-1294967296", "movie", "2861.023 MB", "ISO"},
                    RowTextsCase{"movie.iso", "3000000000", "movie", "2861.023 MB", "ISO"},
                    RowTextsCase{"largest.iso", "-1", "largest", "4096.000 MB", "ISO"},
                    RowTextsCase{"odd.bin", "", "odd", "0.000 MB", "BIN"},
                    RowTextsCase{"odd.bin", "12 bytes", "odd", "0.000 MB", "BIN"}));

TEST(FileListTexts, SizeTextValueIsTheNumberBeforeTheUnit) {
    EXPECT_DOUBLE_EQ(sizeTextValue("2861.023 MB"), 2861.023);
    EXPECT_DOUBLE_EQ(sizeTextValue("0.000 MB"), 0.0);
    EXPECT_DOUBLE_EQ(sizeTextValue(""), 0.0);
}

TEST(FileListTexts, StoredSizeIsTheUnsignedThirtyTwoBitValue) {
    EXPECT_EQ(storedFileSize("-2147483648"), 2147483648u);
    EXPECT_EQ(storedFileSize("  +48128"), 48128u);
    EXPECT_EQ(storedFileSize("4294967295"), 4294967295u);
}

struct FolderCase {
    std::string itemPath;
    std::string folder;
    bool held;
};

class FileListFolderRules : public testing::TestWithParam<FolderCase> {};

TEST_P(FileListFolderRules, HoldsOnlyTheFilesDirectlyInTheItemsFolder) {
    const FolderCase& c = GetParam();
    EXPECT_EQ(FileListFolder(c.itemPath).holds(CQXFileData("f.txt", c.folder, "1", "d:")), c.held)
        << c.itemPath << " / " << c.folder;
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FileListFolderRules,
    testing::Values(FolderCase{"12 BACKUP", "d:\\", true}, FolderCase{"12 BACKUP", "e:\\", true},
                    FolderCase{"12 BACKUP", "d:\\docs\\", false},
                    FolderCase{"12 BACKUP", "", false},
                    FolderCase{"12 BACKUP\\Music\\Rock", "d:\\music\\rock\\", true},
                    FolderCase{"12 BACKUP\\Music\\Rock", "D:\\MUSIC\\Rock\\", true},
                    FolderCase{"12 BACKUP\\Music\\Rock", "d:\\music\\", false},
                    FolderCase{"12 BACKUP\\Music\\Rock", "d:\\music\\rock\\live\\", false},
                    FolderCase{"12 BACKUP\\Music", "d:\\", false},
                    // A folder named like a disc number is still a folder.
                    FolderCase{"3 MISC\\2001", "d:\\2001\\", true},
                    FolderCase{"3 MISC\\\u00C9t\u00E9", "d:\\\u00E9t\u00E9\\", true}));

std::vector<std::unique_ptr<CQXFileData>> entries(std::initializer_list<CQXFileData> list) {
    std::vector<std::unique_ptr<CQXFileData>> made;
    for (const CQXFileData& entry : list) {
        made.push_back(std::make_unique<CQXFileData>(entry));
    }
    return made;
}

std::vector<CQXFileData*> pointers(const std::vector<std::unique_ptr<CQXFileData>>& owned) {
    std::vector<CQXFileData*> result;
    for (const auto& entry : owned) {
        result.push_back(entry.get());
    }
    return result;
}

std::vector<std::string> names(const std::vector<FileListRow>& rows) {
    std::vector<std::string> result;
    for (const FileListRow& row : rows) {
        result.push_back(row.name);
    }
    return result;
}

TEST(FileListFolderRows, KeepCatalogueOrderAndSkipOtherFolders) {
    const auto owned = entries({{"z.txt", "d:\\docs\\", "1", "d:"},
                                {"root.txt", "d:\\", "1", "d:"},
                                {"a.txt", "d:\\docs\\", "1", "d:"},
                                {"deep.txt", "d:\\docs\\old\\", "1", "d:"},
                                {"m.txt", "d:\\Docs\\", "1", "d:"}});
    const std::vector<CQXFileData*> files = pointers(owned);
    EXPECT_EQ(names(folderRows(files, "12 BACKUP\\docs")),
              (std::vector<std::string>{"z", "a", "m"}));
    EXPECT_EQ(names(folderRows(files, "12 BACKUP")), (std::vector<std::string>{"root"}));
    EXPECT_EQ(names(folderRows(files, "12 BACKUP\\docs\\old")), (std::vector<std::string>{"deep"}));
    EXPECT_TRUE(folderRows(files, "12 BACKUP\\music").empty());
}

TEST(FileListFolderRows, RowShowingFindsTheEntryByNameAndSize) {
    const auto owned = entries({{"Song.mp3", "d:\\", "1048576", "d:"},
                                {"song.mp3", "d:\\", "2097152", "d:"},
                                {"other.mp3", "d:\\", "2097152", "d:"}});
    const std::vector<FileListRow> rows = folderRows(pointers(owned), "1 MUSIC");
    EXPECT_EQ(rowShowing(rows, CQXFileData("SONG.MP3", "d:\\", "2097152", "d:")), 1u);
    EXPECT_EQ(rowShowing(rows, *owned[0]), 0u);
    EXPECT_EQ(rowShowing(rows, CQXFileData("song.mp3", "d:\\", "5", "d:")), std::nullopt);
}

TEST(FileListSortState, FirstClickSortsDescendingThenEachClickFlips) {
    FileListSortState state;
    EXPECT_EQ(state.key(FileListColumn::Size), "false");
    EXPECT_EQ(state.flip(FileListColumn::Size), SortDirection::Descending);
    EXPECT_EQ(state.key(FileListColumn::Size), "true");
    EXPECT_EQ(state.flip(FileListColumn::Size), SortDirection::Ascending);
    EXPECT_EQ(state.flip(FileListColumn::Size), SortDirection::Descending);
    // Each column keeps its own direction.
    EXPECT_EQ(state.flip(FileListColumn::Name), SortDirection::Descending);
    EXPECT_EQ(state.key(FileListColumn::Type), "false");
    state.reset();
    EXPECT_EQ(state.key(FileListColumn::Size), "false");
    EXPECT_EQ(state.key(FileListColumn::Name), "false");
}

std::vector<std::string> sortedNames(const std::vector<FileListRow>& rows, FileListColumn column,
                                     SortDirection direction) {
    std::vector<std::string> result;
    for (std::size_t i : sortedRowOrder(rows, column, direction)) {
        result.push_back(rows[i].name);
    }
    return result;
}

TEST(FileListSorting, ComparesNamesAndTypesWithoutCaseAndSizesByNumber) {
    const auto owned = entries({{"beta.TXT", "d:\\", "9437184", "d:"},       // 9.000 MB
                                {"Alpha.doc", "d:\\", "1048576", "d:"},      // 1.000 MB
                                {"gamma.txt", "d:\\", "-1294967296", "d:"},  // 2861.023 MB
                                {"delta.Doc", "d:\\", "1048577", "d:"}});    // 1.000 MB
    const std::vector<FileListRow> rows = folderRows(pointers(owned), "1 DISC");
    using V = std::vector<std::string>;
    EXPECT_EQ(sortedNames(rows, FileListColumn::Name, SortDirection::Ascending),
              (V{"Alpha", "beta", "delta", "gamma"}));
    EXPECT_EQ(sortedNames(rows, FileListColumn::Name, SortDirection::Descending),
              (V{"gamma", "delta", "beta", "Alpha"}));
    // By number, not as text ("9.000" sorts below "2861.023"); equal texts keep their order.
    EXPECT_EQ(sortedNames(rows, FileListColumn::Size, SortDirection::Ascending),
              (V{"Alpha", "delta", "beta", "gamma"}));
    EXPECT_EQ(sortedNames(rows, FileListColumn::Size, SortDirection::Descending),
              (V{"gamma", "beta", "Alpha", "delta"}));
    EXPECT_EQ(sortedNames(rows, FileListColumn::Type, SortDirection::Ascending),
              (V{"Alpha", "delta", "beta", "gamma"}));
    EXPECT_EQ(sortedNames(rows, FileListColumn::Type, SortDirection::Descending),
              (V{"beta", "gamma", "Alpha", "delta"}));
}

TEST(FileListColumnWidths, LeastWidthsFollowTheScreenWidth) {
    using W = FileListLeastWidths;
    EXPECT_EQ(fileListLeastWidths(800), (W{40, 40}));
    for (const int screen : {1024, 1152, 1280, 1920, 1000}) {
        EXPECT_EQ(fileListLeastWidths(screen), (W{70, 40})) << screen;
    }
}

TEST(FileListColumnWidths, TypeTextsAreMeasuredOnceEach) {
    std::vector<FileListRow> rows(5);
    rows[0].type = "TXT";
    rows[1].type = "JPEG";
    rows[2].type = "TXT";
    rows[4].type = "JPEG";
    EXPECT_EQ(distinctTypes(rows), (std::vector<std::string>{"TXT", "JPEG", ""}));
    EXPECT_TRUE(distinctTypes({}).empty());
}

TEST(FileListColumnWidths, NoSizeTextIsLongerThanTheLargestSize) {
    EXPECT_EQ(largestFileSizeText(), "4096.000 MB");
    for (const char* stored : {"-1", "-1294967296", "2147483647", "0", "1048576"}) {
        EXPECT_LE(fileSizeText(stored).size(), largestFileSizeText().size()) << stored;
    }
}

}  // namespace
}  // namespace vorlix
