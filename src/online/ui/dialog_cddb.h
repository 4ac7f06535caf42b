#pragma once

#include <QDialog>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "online/cddb_apply.h"
#include "online/cddb_lookup.h"
#include "online/cddb_results.h"
#include "online/ui/cddb_requests.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QWidget;

namespace vorlix {

class BackgroundRequest;
class CQXCatalog;
class SettingsStore;
class UserPrompt;

inline constexpr int kCddbDialogCollapsedHeight = 250;
inline constexpr int kCddbDialogExpandedHeight = 555;

// What the lookup dialog needs besides the disc it is opened for.
struct CddbDialogServices {
    SettingsStore& settings;
    UserPrompt& prompt;
    CddbClientIdentity identity;
    std::chrono::milliseconds timeout{15'000};
};

// "CDDB Dialog": looks one disc, or every audio disc not yet looked up, up on a freedb server
// and writes what it finds into the catalogue. Every request runs on a worker; the dialog
// shows that it waits and can stop waiting, and gives up on a server that stays silent.
class CDialogCddb final : public QDialog {
    Q_OBJECT

public:
    // mediaTag: the disc's, which the caller checked is there.
    CDialogCddb(CQXCatalog& catalogue, std::string number, std::string mediaTag,
                CddbDialogServices services, QWidget* parent = nullptr);
    ~CDialogCddb() override;

    // What the caller reads back after OK.
    CddbLookupResult lookupResult() const;
    bool optionsShown() const;

private:
    enum class Run { Single, Submit, Batch };

    void buildWidgets();
    void fillInitialRows();
    void readServerSetting();
    void toggleOptions();
    void setOptionsShown(bool shown);
    void showDescription(const QString& host);
    void retrieveServers();
    void showServers(const CddbServerListOutcome& outcome);
    void start();
    void submit();
    void chooseMatch(int index);
    void query(const std::string& mediaTag, std::size_t match, Run run);
    void showOutcome(const CddbQueryOutcome& outcome, Run run);
    void showResults(const CddbResults& results);
    void showMatches(const std::vector<CddbMatch>& matches, std::size_t chosen);
    void clearResults();
    void startBatch();
    void nextBatchDisc();
    void endBatch();
    void onTimedOut();
    void stop();
    void confirm();
    void setWorking(const QString& status, bool batch);
    void setIdle(const QString& status);
    std::string serverText() const;
    std::string serverHost() const;
    CddbApplyOptions applyOptions() const;

    CQXCatalog& m_catalogue;
    std::string m_number;
    std::string m_mediaTag;
    CddbDialogServices m_services;
    CddbRequests m_requests;
    std::map<std::string, std::string> m_descriptions;
    std::optional<CddbResults> m_results;
    std::vector<std::string> m_processed;
    std::string m_summary;
    std::size_t m_batchIndex = 0;
    bool m_batchFailed = false;
    bool m_batchRunning = false;
    std::string m_batchDisc;

    BackgroundRequest* m_request;
    QComboBox* m_server;
    QPushButton* m_retrieve;
    QLabel* m_description;
    QLabel* m_disc;
    QLineEdit* m_artist;
    QLineEdit* m_album;
    QLineEdit* m_year;
    QLineEdit* m_category;
    QComboBox* m_matches;
    QTreeWidget* m_tracks;
    QPushButton* m_start;
    QPushButton* m_submit;
    QToolButton* m_toggle;
    QLabel* m_status;
    QProgressBar* m_progress;
    QPushButton* m_stop;
    QWidget* m_optionsArea;
    QCheckBox* m_replaceName;
    QCheckBox* m_replaceArtist;
    QCheckBox* m_addLength;
    QCheckBox* m_batch;
    QCheckBox* m_assignCategory;
    QPushButton* m_ok;
};

// "The freedb server HOST did not answer within 15 seconds."
std::string silentServerMessage(const std::string& host, std::chrono::milliseconds timeout);

}  // namespace vorlix
