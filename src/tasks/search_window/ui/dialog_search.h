#pragma once

#include <QDialog>
#include <QPixmap>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/search_service.h"
#include "app/search_window.h"
#include "tasks/search_window/search_result_actions.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;
class QTreeView;
class QTreeWidget;

namespace vorlix {

class CQX2Doc;
class CopyFromSearch;
class DiscDrives;
class MemberOpener;
class SearchResultsModel;
class SearchWindowHost;
class SettingsStore;
class ShellOpener;
class UserPrompt;

inline constexpr std::string_view kSearchDeleteErrorMessage =
    "CDialogSearch::OnSearchDelete() #Undefined Error";

// What the search windows work with besides their setup.
struct SearchWindowServices {
    SearchService& search;
    CQX2Doc& document;
    UserPrompt& prompt;
    SettingsStore& settings;
    DiscDrives& drives;
    ShellOpener& shell;
    CopyFromSearch& copies;
    SearchWindowHost& host;
    MemberOpener* members = nullptr;
};

// The search window: runs searches over the catalogue, one at a time, shows the results newest
// first with their count and the cover of the selected result's disc, filters them as the user
// types, and acts on the selected results. Several may be open at once, each on its own.
// Results come from the search's worker and are handed to this window's thread, where whatever
// arrived meanwhile goes into the list at once; those of a search the window has stopped are
// dropped.
class CDialogSearch final : public QDialog, public SearchWindow {
    Q_OBJECT

public:
    CDialogSearch(const SearchWindowServices& services, SearchWindowSetup setup);
    ~CDialogSearch() override;

    void apply(SearchWindowWord word) override;
    bool isClosed() const override { return m_closed; }
    // Whether a search of this window runs.
    bool searching() const { return m_searching; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Tab released anywhere in the window selects every result.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Esc hides the window.
    void reject() override;

private:
    class Forwarder;

    QWidget* createParameters();
    QWidget* createPictureAndButtons();
    QWidget* createCategoryLists();
    void createResults();
    void connectTimers();

    void search() { runSearch(false); }
    // The first search of a window that starts by itself takes the in-CD number, the artist and
    // the folder from the query instead of from the fields.
    void runSearch(bool automatic);
    void searchAtOnce();
    void stop();
    void closeWindow();
    void exportResults();
    void onModeChanged();
    void onFilterTick();

    // Takes what the search's worker left since the last time, unless the search was stopped.
    void takeResults(std::uint64_t search);
    void onSearchDone();
    void found(std::size_t count, const std::string& lastNumber);

    bool resultFiles() const;
    std::vector<SearchResultRow> selectedRows() const;
    const SearchResultRow* currentRow() const;
    void showCover();
    void showResultsMenu(const QPoint& position);
    void openCurrent();
    void goToDisc();
    void shareDiscs(bool shared);
    void changeDiscCategories(bool attach);
    void changeFileCategories(bool attach);
    void addToPlaylist();
    void copyFiles();

    // A walk over the selected rows: Search and Close off, Stop on, the action shown.
    void beginWalk(std::string_view action);
    // Whether a walk goes on after letting the user's input through: not once stopped or
    // closed.
    bool walkGoesOn();
    void endWalk();
    // Search, Stop and Close as the state asks, and the action text.
    void showState(std::string_view action);
    void returnToIdle();

    void searchByCategory(bool run);
    void deleteSelectedCategories();
    void fillSelectedCategories();
    std::vector<std::string> chosenCategories() const;
    void sortCategories(QTreeWidget* list, bool& ascendingNext);

    SearchWindowServices m_services;
    SearchWindowSetup m_setup;
    SearchResultActions m_actions;
    QPixmap m_noImage;

    QRadioButton* m_filesRadio = nullptr;
    QRadioButton* m_discsRadio = nullptr;
    QLineEdit* m_pattern = nullptr;
    QLineEdit* m_inCd = nullptr;
    QLineEdit* m_artist = nullptr;
    QLineEdit* m_folder = nullptr;
    QLineEdit* m_filter = nullptr;
    QPushButton* m_searchButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_foundItems = nullptr;
    QLabel* m_action = nullptr;
    QLabel* m_cover = nullptr;
    QTreeWidget* m_selectedCategories = nullptr;
    QTreeWidget* m_allCategories = nullptr;
    QTreeView* m_results = nullptr;
    SearchResultsModel* m_model = nullptr;
    QTimer* m_startTimer = nullptr;
    QTimer* m_filterTimer = nullptr;

    bool m_autoStart = false;
    bool m_started = false;
    bool m_busy = false;
    bool m_open = true;
    bool m_closed = false;
    bool m_searching = false;
    bool m_walking = false;
    // Close came during a walk; the opener hears of it once the walk is over.
    bool m_closedDuringWalk = false;
    bool m_selectedAscendingNext = true;
    bool m_allAscendingNext = true;
    std::size_t m_count = 0;
    std::string m_lastFilter;
    // The search whose results are taken; a stopped search's late results carry an older one.
    std::uint64_t m_search = 0;
    // The receiver outlives the run, which is ended first.
    std::unique_ptr<Forwarder> m_receiver;
    std::unique_ptr<SearchRun> m_run;
};

}  // namespace vorlix
