#include "online/ui/dialog_cddb.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/setting_names.h"
#include "app/settings_store.h"
#include "app/ui/qt_text.h"
#include "core/catalog.h"
#include "core/disc_info.h"
#include "core/user_prompt.h"
#include "online/cddb_batch.h"
#include "online/cddb_url.h"
#include "online/ui/background_request.h"
#include "online/ui/server_flag_icons.h"

namespace vorlix {

namespace {

constexpr int kDialogWidth = 420;
constexpr int kSongWidth = 160;
constexpr int kTimeWidth = 40;

QLineEdit* resultField(const QString& name) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setReadOnly(true);
    return field;
}

QCheckBox* optionBox(const QString& text, const QString& name, bool on) {
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    box->setChecked(on);
    return box;
}

QString discLine(const CQXDisc& disc) {
    return QStringLiteral("CD %1: %2").arg(toQt(disc.number()), toQt(disc.name()));
}

}  // namespace

std::string silentServerMessage(const std::string& host, std::chrono::milliseconds timeout) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(timeout).count();
    return "The freedb server " + host + " did not answer within " + std::to_string(seconds) +
           (seconds == 1 ? " second." : " seconds.");
}

CDialogCddb::CDialogCddb(CQXCatalog& catalogue, std::string number, std::string mediaTag,
                         CddbDialogServices services, QWidget* parent)
    : QDialog(parent),
      m_catalogue(catalogue),
      m_number(std::move(number)),
      m_mediaTag(std::move(mediaTag)),
      m_services(std::move(services)),
      m_requests(m_services.identity, m_services.timeout),
      m_request(new BackgroundRequest(m_services.timeout, this)) {
    setWindowTitle(QStringLiteral("CDDB Dialog"));
    buildWidgets();
    readServerSetting();
    fillInitialRows();
    if (m_number.empty()) {
        for (QCheckBox* box : {m_replaceName, m_replaceArtist, m_addLength}) {
            box->setChecked(false);
            box->setEnabled(false);
        }
    }
    connect(m_request, &BackgroundRequest::timedOut, this, &CDialogCddb::onTimedOut);
    setOptionsShown(false);
    setIdle(QString());
}

CDialogCddb::~CDialogCddb() = default;

void CDialogCddb::buildWidgets() {
    m_server = new QComboBox;
    m_server->setObjectName(QStringLiteral("server"));
    m_server->setEditable(true);
    m_server->setIconSize(QSize(18, 12));
    m_server->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_retrieve = new QPushButton(QStringLiteral("Retreive"));
    m_retrieve->setObjectName(QStringLiteral("retrieve"));
    m_description = new QLabel;
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_disc = new QLabel;
    m_disc->setObjectName(QStringLiteral("disc"));

    m_artist = resultField(QStringLiteral("artist"));
    m_album = resultField(QStringLiteral("album"));
    m_year = resultField(QStringLiteral("year"));
    m_year->setMaximumWidth(60);
    m_category = resultField(QStringLiteral("category"));
    m_category->setMaximumWidth(90);
    m_matches = new QComboBox;
    m_matches->setObjectName(QStringLiteral("matches"));

    m_tracks = new QTreeWidget;
    m_tracks->setObjectName(QStringLiteral("tracks"));
    m_tracks->setRootIsDecorated(false);
    m_tracks->setHeaderLabels({QStringLiteral("Song"), QStringLiteral("Time")});
    m_tracks->setColumnWidth(0, kSongWidth);
    m_tracks->setColumnWidth(1, kTimeWidth);
    m_tracks->header()->setStretchLastSection(false);
    m_tracks->header()->setSectionResizeMode(0, QHeaderView::Stretch);

    m_start = new QPushButton(QStringLiteral("Start"));
    m_start->setObjectName(QStringLiteral("start"));
    m_start->setToolTip(QStringLiteral("Start"));
    m_submit = new QPushButton(QStringLiteral("Submit"));
    m_submit->setObjectName(QStringLiteral("submit"));
    m_submit->setToolTip(QStringLiteral("Submit CD track info"));
    m_toggle = new QToolButton;
    m_toggle->setObjectName(QStringLiteral("options"));
    m_toggle->setToolTip(QStringLiteral("Show/Hide Options"));
    m_toggle->setText(QStringLiteral("Options"));
    m_toggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("status"));
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setMaximumHeight(14);
    m_progress->setTextVisible(false);
    m_stop = new QPushButton(QStringLiteral("Stop"));
    m_stop->setObjectName(QStringLiteral("stop"));

    m_replaceName = optionBox(QStringLiteral("Replace CD Name with Album Title"),
                              QStringLiteral("replaceName"), true);
    m_replaceArtist = optionBox(QStringLiteral("Replace Artist Info with Album Artist / Year"),
                                QStringLiteral("replaceArtist"), true);
    m_addLength = optionBox(QStringLiteral("Add Track Length"), QStringLiteral("addLength"), false);
    m_batch = optionBox(QStringLiteral("Retrieve CDDB info for all unprocessed CD's"),
                        QStringLiteral("batch"), false);
    m_assignCategory = optionBox(QStringLiteral("Automatically Assign a Category"),
                                 QStringLiteral("assignCategory"), false);
    m_optionsArea = new QWidget;
    m_optionsArea->setObjectName(QStringLiteral("optionsArea"));
    auto* optionsLayout = new QVBoxLayout(m_optionsArea);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    for (QCheckBox* box :
         {m_replaceName, m_replaceArtist, m_addLength, m_batch, m_assignCategory}) {
        optionsLayout->addWidget(box);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);

    auto* serverRow = new QHBoxLayout;
    serverRow->addWidget(new QLabel(QStringLiteral("Server:")));
    serverRow->addWidget(m_server, 1);
    serverRow->addWidget(m_retrieve);

    auto* results = new QGridLayout;
    results->addWidget(new QLabel(QStringLiteral("Artist:")), 0, 0);
    results->addWidget(m_artist, 0, 1);
    results->addWidget(new QLabel(QStringLiteral("Year:")), 0, 2);
    results->addWidget(m_year, 0, 3);
    results->addWidget(new QLabel(QStringLiteral("Album:")), 1, 0);
    results->addWidget(m_album, 1, 1);
    results->addWidget(new QLabel(QStringLiteral("Category:")), 1, 2);
    results->addWidget(m_category, 1, 3);
    results->addWidget(m_matches, 2, 0, 1, 4);

    auto* actions = new QHBoxLayout;
    actions->addWidget(m_start);
    actions->addWidget(m_submit);
    actions->addWidget(m_toggle);
    actions->addStretch(1);
    actions->addWidget(buttons);

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(m_status, 1);
    statusRow->addWidget(m_progress);
    statusRow->addWidget(m_stop);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    layout->addLayout(serverRow);
    layout->addWidget(m_description);
    layout->addWidget(m_disc);
    layout->addLayout(results);
    layout->addWidget(m_tracks, 1);
    layout->addWidget(m_optionsArea);
    layout->addLayout(actions);
    layout->addLayout(statusRow);

    connect(m_server, &QComboBox::currentTextChanged, this, &CDialogCddb::showDescription);
    connect(m_retrieve, &QPushButton::clicked, this, &CDialogCddb::retrieveServers);
    connect(m_start, &QPushButton::clicked, this, &CDialogCddb::start);
    connect(m_submit, &QPushButton::clicked, this, &CDialogCddb::submit);
    connect(m_toggle, &QToolButton::clicked, this, &CDialogCddb::toggleOptions);
    connect(m_stop, &QPushButton::clicked, this, &CDialogCddb::stop);
    connect(m_matches, &QComboBox::activated, this, &CDialogCddb::chooseMatch);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogCddb::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogCddb::reject);
    setFixedWidth(kDialogWidth);
}

void CDialogCddb::fillInitialRows() {
    const CQXDisc* disc = m_catalogue.findDisc(m_number);
    if (disc == nullptr) {
        return;
    }
    m_disc->setText(discLine(*disc));
    for (const CQXFileData& entry : disc->files) {
        new QTreeWidgetItem(m_tracks, {toQt(entry.name()), QString()});
    }
}

void CDialogCddb::readServerSetting() {
    std::string server = m_services.settings.readText(setting::kFreedbKey, setting::kFreedbSite,
                                                      setting::kTextLimit);
    if (server.empty()) {
        server = kDefaultFreedbServer;
    }
    m_server->setEditText(toQt(server));
}

bool CDialogCddb::optionsShown() const {
    return m_optionsArea->isVisibleTo(this);
}

void CDialogCddb::toggleOptions() {
    setOptionsShown(!optionsShown());
}

void CDialogCddb::setOptionsShown(bool shown) {
    m_optionsArea->setVisible(shown);
    m_toggle->setArrowType(shown ? Qt::UpArrow : Qt::DownArrow);
    setFixedHeight(shown ? kCddbDialogExpandedHeight : kCddbDialogCollapsedHeight);
}

void CDialogCddb::showDescription(const QString& host) {
    const auto found = m_descriptions.find(fromQt(host));
    m_description->setText(found == m_descriptions.end() ? QString() : toQt(found->second));
}

std::string CDialogCddb::serverText() const {
    return fromQt(m_server->currentText());
}

std::string CDialogCddb::serverHost() const {
    return freedbHostOf(serverText());
}

void CDialogCddb::retrieveServers() {
    setWorking(QStringLiteral("Retrieving a list of all available freedb servers ..."), false);
    auto outcome = std::make_shared<CddbServerListOutcome>();
    m_request->start(
        [requests = m_requests, server = serverText(), outcome](
            const std::atomic<bool>& cancelled) { *outcome = requests.servers(server, cancelled); },
        [this, outcome] { showServers(*outcome); });
}

void CDialogCddb::showServers(const CddbServerListOutcome& outcome) {
    setIdle(QString());
    for (const std::string& error : outcome.errors) {
        m_services.prompt.message(error, MessageIcon::Warning);
    }
    if (outcome.servers.empty()) {
        return;
    }
    const QString typed = m_server->currentText();
    m_server->clear();
    m_descriptions.clear();
    for (const CddbServerEntry& entry : outcome.servers) {
        m_descriptions[entry.host] = entry.description;
    }
    for (const CddbServerEntry& entry : outcome.servers) {
        m_server->addItem(serverFlagIcon(entry.flag), toQt(entry.host));
    }
    m_server->setEditText(typed);
    showDescription(typed);
}

void CDialogCddb::start() {
    if (m_batch->isChecked()) {
        startBatch();
        return;
    }
    query(m_mediaTag, 0, Run::Single);
}

void CDialogCddb::submit() {
    clearResults();
    m_services.settings.writeText(setting::kFreedbKey, setting::kFreedbSite, serverText());
    setWorking(toQt("Contacting " + serverText() + " ..."), false);
    auto outcome = std::make_shared<CddbQueryOutcome>();
    m_request->start(
        [requests = m_requests, server = serverText(), tag = m_mediaTag,
         outcome](const std::atomic<bool>& cancelled) {
            *outcome = requests.submit(server, tag, cancelled);
        },
        [this, outcome] { showOutcome(*outcome, Run::Submit); });
}

void CDialogCddb::chooseMatch(int index) {
    if (index >= 0) {
        query(m_mediaTag, static_cast<std::size_t>(index), Run::Single);
    }
}

void CDialogCddb::query(const std::string& mediaTag, std::size_t match, Run run) {
    clearResults();
    m_services.settings.writeText(setting::kFreedbKey, setting::kFreedbSite, serverText());
    if (run != Run::Batch) {
        setWorking(toQt("Contacting " + serverText() + " ..."), false);
    }
    auto outcome = std::make_shared<CddbQueryOutcome>();
    m_request->start(
        [requests = m_requests, server = serverText(), mediaTag, match,
         outcome](const std::atomic<bool>& cancelled) {
            *outcome = requests.query(server, mediaTag, match, cancelled);
        },
        [this, outcome, run, match] {
            showOutcome(*outcome, run);
            if (run != Run::Batch) {
                showMatches(outcome->matches, match);
            }
        });
}

void CDialogCddb::showOutcome(const CddbQueryOutcome& outcome, Run run) {
    const bool found = outcome.errors.empty() || !outcome.results.rows.empty();
    if (run == Run::Batch) {
        for (const std::string& error : outcome.errors) {
            m_summary += "CD " + m_batchDisc + ": " + error + "\r\n";
        }
        if (outcome.errors.empty()) {
            showResults(outcome.results);
            m_batchFailed |= !CddbApply(m_catalogue, m_services.prompt)
                                  .apply(m_batchDisc, outcome.results, applyOptions());
        }
        m_progress->setValue(m_progress->value() + 1);
        ++m_batchIndex;
        nextBatchDisc();
        return;
    }
    setIdle(QString());
    for (const std::string& error : outcome.errors) {
        m_services.prompt.message(error, MessageIcon::Warning);
    }
    if (found) {
        showResults(outcome.results);
    }
}

void CDialogCddb::showResults(const CddbResults& results) {
    m_results = results;
    m_artist->setText(toQt(results.artist));
    m_album->setText(toQt(results.album));
    m_year->setText(toQt(results.year));
    m_category->setText(toQt(results.category));
    m_tracks->clear();
    for (const CddbTrackRow& row : results.rows) {
        new QTreeWidgetItem(m_tracks, {toQt(row.text), toQt(row.time)});
    }
}

void CDialogCddb::showMatches(const std::vector<CddbMatch>& matches, std::size_t chosen) {
    m_matches->clear();
    for (const CddbMatch& match : matches) {
        m_matches->addItem(toQt(match.category + ": " + match.discTitle));
    }
    m_matches->setCurrentIndex(static_cast<int>(chosen));
    m_matches->setVisible(matches.size() > 1);
}

void CDialogCddb::clearResults() {
    m_results.reset();
    for (QLineEdit* field : {m_artist, m_album, m_year, m_category}) {
        field->clear();
    }
    m_tracks->clear();
}

void CDialogCddb::startBatch() {
    setOptionsShown(false);
    m_batchRunning = true;
    const std::vector<std::string> found = unprocessedAudioDiscs(m_catalogue);
    m_processed.insert(m_processed.end(), found.begin(), found.end());
    m_batchIndex = 0;
    m_matches->hide();
    setWorking(toQt("Contacting " + serverText() + " ..."), true);
    m_progress->setRange(0, static_cast<int>(m_processed.size()));
    m_progress->setValue(0);
    nextBatchDisc();
}

void CDialogCddb::nextBatchDisc() {
    for (; m_batchIndex < m_processed.size(); ++m_batchIndex) {
        m_batchDisc = m_processed[m_batchIndex];
        const CQXDisc* disc = m_catalogue.findDisc(m_batchDisc);
        const disc_info::ChildValue tag =
            disc == nullptr ? disc_info::ChildValue{} : disc_info::readMediaTag(disc->info());
        if (disc != nullptr) {
            m_disc->setText(discLine(*disc));
        }
        if (tag.exists) {
            query(tag.value, 0, Run::Batch);
            return;
        }
        m_summary += invalidMediaTagLine(m_batchDisc);
        m_progress->setValue(m_progress->value() + 1);
    }
    endBatch();
}

void CDialogCddb::endBatch() {
    m_batchRunning = false;
    setIdle(QStringLiteral("Done."));
    if (!m_summary.empty()) {
        m_services.prompt.message(m_summary, MessageIcon::Information);
    }
    if (m_batchFailed) {
        reject();
    }
}

void CDialogCddb::onTimedOut() {
    const std::string message = silentServerMessage(serverHost(), m_services.timeout);
    if (m_batchRunning) {
        m_summary += "CD " + m_batchDisc + ": " + message + "\r\n";
        m_progress->setValue(m_progress->value() + 1);
        ++m_batchIndex;
        nextBatchDisc();
        return;
    }
    setIdle(toQt(message));
    m_services.prompt.message(message, MessageIcon::Warning);
}

void CDialogCddb::stop() {
    const bool batch = std::exchange(m_batchRunning, false);
    m_request->cancel();
    setIdle(QStringLiteral("Stopped."));
    if (batch && !m_summary.empty()) {
        m_services.prompt.message(m_summary, MessageIcon::Information);
    }
}

void CDialogCddb::confirm() {
    m_request->cancel();
    if (m_batch->isChecked()) {
        accept();
        return;
    }
    if (!m_results) {
        reject();
        return;
    }
    CddbApply(m_catalogue, m_services.prompt).apply(m_number, *m_results, applyOptions());
    accept();
}

CddbApplyOptions CDialogCddb::applyOptions() const {
    return {m_replaceArtist->isChecked(), m_replaceName->isChecked(), m_addLength->isChecked(),
            m_assignCategory->isChecked()};
}

CddbLookupResult CDialogCddb::lookupResult() const {
    const CQXDisc* disc = m_catalogue.findDisc(m_number);
    return {m_batch->isChecked(), m_processed, m_replaceArtist->isChecked(),
            m_assignCategory->isChecked(),
            disc == nullptr ? std::string() : std::string(disc->name())};
}

void CDialogCddb::setWorking(const QString& status, bool batch) {
    m_status->setText(status);
    if (!batch) {
        m_progress->setRange(0, 0);
    }
    m_progress->show();
    m_stop->show();
    for (QWidget* widget : {static_cast<QWidget*>(m_start), static_cast<QWidget*>(m_submit),
                            static_cast<QWidget*>(m_retrieve), static_cast<QWidget*>(m_ok),
                            static_cast<QWidget*>(m_matches)}) {
        widget->setEnabled(false);
    }
}

void CDialogCddb::setIdle(const QString& status) {
    m_status->setText(status);
    m_progress->hide();
    m_stop->hide();
    for (QWidget* widget : {static_cast<QWidget*>(m_start), static_cast<QWidget*>(m_submit),
                            static_cast<QWidget*>(m_retrieve), static_cast<QWidget*>(m_ok),
                            static_cast<QWidget*>(m_matches)}) {
        widget->setEnabled(true);
    }
    if (m_matches->count() < 2) {
        m_matches->hide();
    }
}

}  // namespace vorlix
