#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tasks/search_window/search_result_rows.h"

namespace vorlix {

class CQX2Doc;
class CQXDisc;
class CQXFileData;
class CopyFromSearch;
class DiscDrives;
class MemberOpener;
class SearchWindowHost;
class ShellOpener;
class TextList;
class UserPrompt;

inline constexpr std::string_view kDiscMissingMessage = "The CD does not exist!";
inline constexpr std::string_view kUnauthorizedMessage = "Unauthorized action!";
inline constexpr std::string_view kSelectDiscMessage = "Select a CD";
inline constexpr std::string_view kSelectFileMessage = "Select a file";
inline constexpr std::string_view kCouldNotOpenTheFileMessage = "Could not open the file.";
inline constexpr std::string_view kCategoriesAttachedMessage = "Categories attached!";
inline constexpr std::string_view kDiscCategoriesDeletedMessage = "CD categories deleted!";
inline constexpr std::string_view kFileCategoriesDeletedMessage = "Selected categories deleted!";

// How a walk over the selected rows ended.
enum class RowWalkEnd {
    Finished,     // every row was done, or the window stopped the walk
    DiscMissing,  // a row's disc is gone from the catalogue (told)
    Refused,      // the owner test refused (told)
};

// What a search window does with its results in the catalogue and the main window. The rows
// are the window's copies; each finds its disc again by number, since the disc may have gone
// since it was found. File names are compared without case.
class SearchResultActions {
public:
    struct Services {
        CQX2Doc& document;
        UserPrompt& prompt;
        DiscDrives& drives;
        ShellOpener& shell;
        CopyFromSearch& copies;
        SearchWindowHost& host;
        MemberOpener* members = nullptr;
    };

    // maySeeAll: whether the user owned the catalogue when the window opened.
    SearchResultActions(Services services, bool maySeeAll);

    // The checks before a change of discs or of files: whether the user may change the
    // catalogue and whether the results are of the right kind. A refusal is told.
    [[nodiscard]] bool mayChangeDiscs(bool fileResults);
    [[nodiscard]] bool mayChangeFiles(bool fileResults);

    // Opens the row's file from its disc, asking for the disc until it is in a drive.
    void open(const SearchResultRow& row);
    // Shows the row's disc selected in the disc tree; nothing for a row without a number.
    void goToDisc(const SearchResultRow& row);
    // Shows the row's file in the disc tree and the file list (file results only), then
    // maximizes the main window in any case.
    void goToFile(const SearchResultRow* row, bool fileResults);

    // Shares or unshares the rows' discs one by one through the disc tree while goOn holds;
    // the statistics of the commands panel are shown again afterwards.
    RowWalkEnd shareDiscs(const std::vector<SearchResultRow>& rows, bool shared,
                          const std::function<bool()>& goOn);
    // Puts the chosen categories in front of the rows' discs' (or files') category lists, or
    // takes them out; a change marks the document modified.
    void attachDiscCategories(const std::vector<SearchResultRow>& rows,
                              const std::vector<std::string>& chosen,
                              const std::function<bool()>& goOn);
    void deleteDiscCategories(const std::vector<SearchResultRow>& rows,
                              const std::vector<std::string>& chosen,
                              const std::function<bool()>& goOn);
    void attachFileCategories(const std::vector<SearchResultRow>& rows,
                              const std::vector<std::string>& chosen,
                              const std::function<bool()>& goOn);
    void deleteFileCategories(const std::vector<SearchResultRow>& rows,
                              const std::vector<std::string>& chosen,
                              const std::function<bool()>& goOn);

    // Opens a playlist window over every entry named as a row on the row's disc.
    void addToPlaylist(const std::vector<SearchResultRow>& rows);
    // Hands the rows' discs and file names to the copy tasks; stops at a missing disc.
    void copyFiles(const std::vector<SearchResultRow>& rows);

private:
    // The row's disc, or null after telling that it is missing.
    CQXDisc* discOf(const SearchResultRow& row);
    // Changes the category list of each matching disc or entry; returns whether any changed.
    bool changeCategories(const std::vector<SearchResultRow>& rows, bool files,
                          const std::function<bool(TextList&)>& change,
                          const std::function<bool()>& goOn);

    Services m_services;
    bool m_maySeeAll;
    std::string m_lastVisitedDisc;
};

// The first of the disc's entries named so, compared without case, with this size text when
// one is given; null when there is none.
CQXFileData* findResultEntry(CQXDisc& disc, std::string_view fullName,
                             const std::string* sizeText = nullptr);

}  // namespace vorlix
