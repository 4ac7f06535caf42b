#include "playlists/playlist_session.h"

#include <algorithm>

#include "app/document_services.h"
#include "app/setting_names.h"
#include "app/settings_store.h"
#include "core/file_data.h"
#include "core/text_case.h"
#include "core/user_prompt.h"
#include "playlists/playlist_files.h"

namespace vorlix {

namespace {

constexpr std::size_t kFolderLimit = 512;

constexpr std::string_view kBothFilter =
    "WinAmp Playlist Files (*.m3u)|*.m3u|BSPlayer Playlist Files (*.bsl)|*.bsl|All Files "
    "(*.*)|*.*||";
constexpr std::string_view kWinampFilter =
    "WinAmp Playlist Files (*.m3u)|*.m3u|All Files (*.*)|*.*||";
constexpr std::string_view kBsplayerFilter =
    "BSPlayer Playlist Files (*.bsl)|*.bsl|All Files (*.*)|*.*||";
constexpr std::string_view kHelpPlaylistFilter =
    "QX HelpPlaylist Files (*.qxhl)|*.qxhl|All Files (*.*)|*.*||";

std::string_view typesFilter(PlaylistTypes types) {
    if (types.winamp && types.bsplayer) {
        return kBothFilter;
    }
    return types.winamp ? kWinampFilter : kBsplayerFilter;
}

std::string appendTitle(PlaylistTypes types) {
    if (types.winamp && types.bsplayer) {
        return "Save a mixed playlist";
    }
    return types.winamp ? "Save as  WinAmp playlist" : "Save as BSPlayer playlist";
}

std::string withoutExtension(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    return dot == std::string::npos ? path : path.substr(0, dot);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

PlaylistRow recordRow(std::size_t index, const CQXHPlaylist& record) {
    return {index, record.fileName, record.discNumber, {}};
}

}  // namespace

PlaylistSession::PlaylistSession(const std::vector<CQXFileData*>& entries,
                                 PlaylistServices services)
    : m_held(entries.rbegin(), entries.rend()), m_services(services), m_drives(services.drives) {}

PlaylistAction PlaylistSession::initialAction() const {
    return m_services.settings.readNumber(setting::kSettingsKey, setting::kPlaylistAction) == 1
               ? PlaylistAction::Append
               : PlaylistAction::Create;
}

PlaylistPlayer PlaylistSession::initialPlayer() const {
    return m_services.settings.readNumber(setting::kSettingsKey, setting::kDefaultPlayer) == 1
               ? PlaylistPlayer::BSPlayer
               : PlaylistPlayer::Winamp;
}

bool PlaylistSession::filterShown() const {
    return m_services.settings.readNumber(setting::kSettingsKey, setting::kEnableDynamic) != 0;
}

// Each held entry goes in at the top, so the rows come out in the order the entries were given.
std::vector<PlaylistRow> PlaylistSession::rows() const {
    std::vector<PlaylistRow> rows;
    for (std::size_t i = 0; i < m_held.size(); ++i) {
        const CQXFileData& entry = *m_held[i];
        rows.insert(rows.begin(), {i, std::string(entry.name()), std::string(entry.discNumber()),
                                   std::string(entry.size())});
    }
    return rows;
}

bool PlaylistSession::save(PlaylistAction action, PlaylistTypes types,
                           const std::vector<std::size_t>& shownOrder) {
    if (!types.winamp && !types.bsplayer) {
        m_services.prompt.message(kNoPlaylistTypeMessage);
        return false;
    }
    FileDialogRequest request{
        action == PlaylistAction::Create ? std::string("Save a mixed playlist")
                                         : appendTitle(types),
        std::string(typesFilter(types)),
        m_services.settings.readText(setting::kLastFilesKey, setting::kPlaylistSave, kFolderLimit),
        types.winamp ? "m3u" : "bsl", action == PlaylistAction::Create};
    const std::optional<std::string> chosen = m_services.prompt.chooseFileToSave(request);
    if (!chosen) {
        return false;
    }
    m_services.settings.writeText(setting::kLastFilesKey, setting::kPlaylistSave,
                                  folderOf(*chosen));
    const std::string base = withoutExtension(*chosen);
    const bool saved =
        action == PlaylistAction::Create ? create(types, base, shownOrder) : append(types, base);
    tellUnmountedOnce();
    return saved;
}

bool PlaylistSession::create(PlaylistTypes types, const std::string& base,
                             const std::vector<std::size_t>& shownOrder) {
    const std::vector<const CQXFileData*> held(m_held.begin(), m_held.end());
    const std::string text = m_drives.lines(held, true);
    if ((types.winamp && reportFailure(writePlayerFile(base + ".m3u", text))) ||
        (types.bsplayer && reportFailure(writePlayerFile(base + ".bsl", text)))) {
        return false;
    }
    std::vector<CQXHPlaylist> records;
    for (const std::size_t index : shownOrder) {
        const CQXFileData& entry = *m_held.at(index);
        records.push_back({std::string(entry.discNumber()), std::string(entry.name())});
    }
    if (reportFailure(writeHelpPlaylistFile(base + ".qxhl", records, m_services.codePage))) {
        return false;
    }
    m_basePath = base;
    m_shownPath = base;
    return true;
}

bool PlaylistSession::append(PlaylistTypes types, const std::string& base) {
    const std::vector<const CQXFileData*> held(m_held.begin(), m_held.end());
    const std::string text = m_drives.lines(held, false);
    if ((types.winamp && reportFailure(appendToPlayerFile(base + ".m3u", text))) ||
        (types.bsplayer && reportFailure(appendToPlayerFile(base + ".bsl", text)))) {
        return false;
    }
    const std::string helpPath = base + ".qxhl";
    std::vector<CQXHPlaylist> existing;
    if (reportFailure(readHelpPlaylistFile(helpPath, m_services.codePage, existing))) {
        return false;
    }
    std::vector<CQXHPlaylist> records;
    for (const CQXFileData* entry : m_held) {
        records.push_back({std::string(entry->discNumber()), std::string(entry->name())});
    }
    records.insert(records.end(), existing.begin(), existing.end());
    if (reportFailure(writeHelpPlaylistFile(helpPath, records, m_services.codePage))) {
        return false;
    }
    m_basePath = base;
    return readLoaded(helpPath);
}

bool PlaylistSession::load() {
    const FileDialogRequest request{
        "Open a playlist", std::string(kHelpPlaylistFilter),
        m_services.settings.readText(setting::kLastFilesKey, setting::kPlaylistOpen, kFolderLimit),
        "qxhl"};
    const std::optional<std::string> chosen = m_services.prompt.chooseFileToOpen(request);
    if (!chosen) {
        return false;
    }
    m_basePath = withoutExtension(*chosen);
    if (!readLoaded(*chosen)) {
        return false;
    }
    m_services.settings.writeText(setting::kLastFilesKey, setting::kPlaylistOpen,
                                  folderOf(*chosen));
    return true;
}

bool PlaylistSession::readLoaded(const std::string& path) {
    std::vector<CQXHPlaylist> records;
    if (reportFailure(readHelpPlaylistFile(path, m_services.codePage, records))) {
        return false;
    }
    m_loaded = std::move(records);
    m_shownPath = path;
    m_lastFilter.clear();
    return true;
}

// Each record goes in at the top, so the rows show the file's last record first.
std::vector<PlaylistRow> PlaylistSession::loadedRows() const {
    std::vector<PlaylistRow> rows;
    if (m_loaded) {
        for (std::size_t i = 0; i < m_loaded->size(); ++i) {
            rows.insert(rows.begin(), recordRow(i, (*m_loaded)[i]));
        }
    }
    return rows;
}

void PlaylistSession::launch(PlaylistPlayer player) {
    if (player == PlaylistPlayer::None) {
        m_services.prompt.message(kNoPlayerMessage, MessageIcon::Stop);
        return;
    }
    m_services.shell.open(m_basePath + (player == PlaylistPlayer::Winamp ? ".m3u" : ".bsl"));
}

// The names are lower-cased for good once a filter has run, as the rows then show them.
std::optional<std::vector<PlaylistRow>> PlaylistSession::filter(std::string_view text) {
    if (!m_loaded || text == m_lastFilter) {
        return std::nullopt;
    }
    const std::string wanted = lowerCase(text);
    std::vector<PlaylistRow> rows;
    for (std::size_t i = 0; i < m_loaded->size(); ++i) {
        CQXHPlaylist& record = (*m_loaded)[i];
        record.fileName = lowerCase(record.fileName);
        if (record.fileName.find(wanted) != std::string::npos) {
            rows.insert(rows.begin(), recordRow(i, record));
        }
    }
    m_lastFilter = std::string(text);
    return rows;
}

void PlaylistSession::tellUnmountedOnce() {
    if (m_toldUnmounted || m_drives.unmounted().empty()) {
        return;
    }
    m_toldUnmounted = true;
    m_services.prompt.message(m_drives.unmountedMessage(), MessageIcon::Information);
}

bool PlaylistSession::reportFailure(const Result& result) {
    if (!result) {
        m_services.prompt.message(result.message(), MessageIcon::Stop);
        return true;
    }
    return false;
}

}  // namespace vorlix
