#include "cli/playlist_command.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/search_query.h"
#include "app/search_service.h"
#include "app/settings/drive_map_settings.h"
#include "cli/catalogue_file.h"
#include "cli/cli_session.h"
#include "cli/owner_check.h"
#include "cli/scan_source.h"
#include "core/catalog.h"
#include "core/text_case.h"
#include "platform/disc/linux_disc_drives.h"
#include "playlists/playlist_drives.h"
#include "playlists/playlist_files.h"
#include "search/search_findings.h"
#include "search/search_index.h"
#include "search/search_task.h"

namespace vorlix {

namespace {

enum class PlaylistKind { Player, Help };

PlaylistKind kindOf(const std::string& path) {
    const std::string extension = lowerCase(std::filesystem::path(path).extension().string());
    if (extension == ".m3u" || extension == ".bsl") {
        return PlaylistKind::Player;
    }
    if (extension == ".qxhl") {
        return PlaylistKind::Help;
    }
    throw CommandFailure{path + ": a playlist is written as .m3u, .bsl or .qxhl"};
}

// The catalogue's entries behind the matches, in the order the search finds them, each marked
// with the number of the disc that holds it as the playlist window's openers mark them.
class FoundEntries : public SearchFindings {
public:
    FoundEntries(CQXCatalog& catalogue, const DiscSnapshots& discs) {
        // The snapshots stand in the catalogue's order, one for each disc.
        for (std::size_t i = 0; i < discs.size(); ++i) {
            m_discOf.emplace(discs[i].get(), catalogue.discs[i].get());
        }
    }

    void discFound(const DiscSnapshot&) override {}
    void fileFound(const DiscSnapshot& snapshot, std::size_t file) override {
        CQXDisc& disc = *m_discOf.at(&snapshot);
        CQXFileData& entry = disc.files[file];
        entry.setDiscNumber(disc.number());
        m_entries.push_back(&entry);
    }

    const std::vector<const CQXFileData*>& entries() const { return m_entries; }

private:
    std::unordered_map<const DiscSnapshot*, CQXDisc*> m_discOf;
    std::vector<const CQXFileData*> m_entries;
};

// The drives a player file names each file on: the --from sources as given, else every
// optical drive of the drive map. A player plays only what it can open, so an image is refused.
std::vector<DiscSource> playerSources(DiscDrives& drives, const CliArguments& a) {
    std::vector<DiscSource> sources;
    for (const std::string& from : a.valuesOf("--from")) {
        DiscSource source = findScanSource(drives, from);
        if (source.kind == DiscSourceKind::Image) {
            throw CommandFailure{from +
                                 ": a player cannot open the files inside an image; give the "
                                 "folder it is mounted at"};
        }
        sources.push_back(std::move(source));
    }
    return sources;
}

Result writePlayerPlaylist(const CliArguments& a, CliSession& session,
                           const std::vector<const CQXFileData*>& entries) {
    LinuxDiscDrives drives(readDriveMap(session.settings()));
    const std::vector<DiscSource> sources = playerSources(drives, a);
    PlaylistDrives playlistDrives =
        sources.empty() ? PlaylistDrives(drives) : PlaylistDrives(drives, sources);
    const std::string text = playlistDrives.lines(entries, true);
    if (const std::string unmounted = playlistDrives.unmountedMessage(); !unmounted.empty()) {
        std::fprintf(stderr, "vorlix-cli: %s\n", unmounted.c_str());
    }
    return writePlayerFile(a.operands[2], text);
}

Result writeHelpPlaylist(const std::string& path, const std::vector<const CQXFileData*>& entries,
                         const CodePage& codePage) {
    std::vector<CQXHPlaylist> records;
    for (const CQXFileData* entry : entries) {
        records.push_back({std::string(entry->discNumber()), std::string(entry->name())});
    }
    return writeHelpPlaylistFile(path, records, codePage);
}

void runPlaylist(const CliArguments& a, const CodePage& codePage) {
    const std::string& out = a.operands[2];
    const PlaylistKind kind = kindOf(out);
    CliSession session(a, codePage);
    const Identity identity = session.login();
    CQXCatalog catalogue = readCatalogueFile(a.operands[0], codePage);

    SearchParameters parameters;
    parameters.pattern = a.operands[1];
    parameters.mode = kSearchFiles;
    parameters.scope = kScopeEverything;
    parameters.maySeeAll = maySeeAll(catalogue, identity);
    SearchIndex index;
    const CatalogueSnapshot discs = index.discs(catalogue);
    FoundEntries found(catalogue, *discs);
    const std::atomic<bool> never{false};
    static_cast<void>(SearchTask(parameters).run(*discs, never, found));

    const Result written = kind == PlaylistKind::Player
                               ? writePlayerPlaylist(a, session, found.entries())
                               : writeHelpPlaylist(out, found.entries(), codePage);
    if (!written) {
        throw CommandFailure{written.message()};
    }
    std::printf("wrote %zu files to %s\n", found.entries().size(), out.c_str());
}

}  // namespace

void addPlaylistCommand(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["playlist"] = {
        "playlist CATALOGUE PATTERN OUT.(m3u|bsl|qxhl) [--from SOURCE]... [--user NAME]",
        "write a playlist of the files a file search finds for PATTERN",
        3,
        3,
        {"--from", "--user"},
        [cp](const CliArguments& a) { runPlaylist(a, *cp); }};
}

}  // namespace vorlix
