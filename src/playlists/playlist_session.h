#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/help_playlist.h"
#include "core/result.h"
#include "playlists/playlist_drives.h"

namespace vorlix {

class CodePage;
class CQXFileData;
class DiscDrives;
class SettingsStore;
class ShellOpener;
class UserPrompt;

inline constexpr std::string_view kNoPlaylistTypeMessage = "Please specify playlist type!";
inline constexpr std::string_view kNoPlayerMessage = "Please, select a player for this playlist!";
inline constexpr std::string_view kPlaylistTitlePrefix = "Playlist deamon ";

enum class PlaylistAction { Create, Append };
enum class PlaylistPlayer { Winamp, BSPlayer, None };

struct PlaylistTypes {
    bool winamp = true;
    bool bsplayer = false;
};

// A row of the playlist window: a held file entry, or a record of a loaded help playlist.
struct PlaylistRow {
    std::size_t index = 0;  // the entry as given, or the record in file order
    std::string fileName;
    std::string discNumber;
    std::string size;  // empty for a record
};

struct PlaylistServices {
    UserPrompt& prompt;
    SettingsStore& settings;
    const CodePage& codePage;
    ShellOpener& shell;
    DiscDrives& drives;
};

// What a playlist window does, apart from showing it: holds the file entries it was opened
// with (in the reverse of the order given), writes the player files and the help playlist,
// loads and filters a help playlist and starts the player. The entries are the catalogue's;
// the window that owns this goes before they do.
class PlaylistSession {
public:
    PlaylistSession(const std::vector<CQXFileData*>& entries, PlaylistServices services);

    bool hasEntries() const { return !m_held.empty(); }
    PlaylistAction initialAction() const;
    PlaylistPlayer initialPlayer() const;
    bool filterShown() const;

    // The rows as the window first shows them, top first.
    std::vector<PlaylistRow> rows() const;

    // "Browse" next to "Playlist:". shownOrder: the held entries' indexes as the rows show
    // them, top first. True when the playlist was written; after Append the rows are those of
    // the help playlist loaded back (loadedRows()).
    bool save(PlaylistAction action, PlaylistTypes types,
              const std::vector<std::size_t>& shownOrder);
    // "Browse" next to "Load Help Playlist"; true when one was loaded.
    bool load();
    void launch(PlaylistPlayer player);
    // A tick of the filter timer: the rows to show when they change, nullopt otherwise.
    std::optional<std::vector<PlaylistRow>> filter(std::string_view text);

    bool helpPlaylistLoaded() const { return m_loaded.has_value(); }
    std::vector<PlaylistRow> loadedRows() const;
    // The text of "Playlist:"; the window's title is kPlaylistTitlePrefix followed by it.
    const std::string& shownPath() const { return m_shownPath; }

private:
    bool create(PlaylistTypes types, const std::string& base,
                const std::vector<std::size_t>& shownOrder);
    bool append(PlaylistTypes types, const std::string& base);
    bool readLoaded(const std::string& path);
    void tellUnmountedOnce();
    bool reportFailure(const Result& result);

    std::vector<CQXFileData*> m_held;  // reverse of the order given
    PlaylistServices m_services;
    PlaylistDrives m_drives;
    std::string m_basePath;
    std::string m_shownPath;
    std::optional<std::vector<CQXHPlaylist>> m_loaded;
    std::string m_lastFilter;
    bool m_toldUnmounted = false;
};

}  // namespace vorlix
