#pragma once

#include <cstddef>
#include <string_view>

namespace vorlix::setting {

// Registry keys and value names, spelled as stored so that exported settings stay compatible.
inline constexpr std::string_view kRootKey = "SOFTWARE\\Talmir\\Vorlix";
inline constexpr std::string_view kSettingsKey = "SOFTWARE\\Talmir\\Vorlix\\Settings";
inline constexpr std::string_view kLastFilesKey = "SOFTWARE\\Talmir\\Vorlix\\Last Files";
inline constexpr std::string_view kRecentFileListKey = "SOFTWARE\\Talmir\\Vorlix\\Recent File List";
inline constexpr std::string_view kTipKey = "SOFTWARE\\Talmir\\Vorlix\\Tip";
inline constexpr std::string_view kDriveMapKey = "SOFTWARE\\Talmir\\Vorlix\\Drive Map";
inline constexpr std::string_view kFreedbKey = "SOFTWARE\\Talmirs\\QX3\\Settings";
inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\run";

// Under kSettingsKey: flags and numbers (DWORD).
inline constexpr std::string_view kArchiveLimit = "archivelimit";  // megabytes
inline constexpr std::string_view kAutoLogin = "autologin";
inline constexpr std::string_view kAutoNotes = "autonotes";
inline constexpr std::string_view kAutoSave = "autosave";
inline constexpr std::string_view kAutoStart = "autostart";
inline constexpr std::string_view kCddb = "cddb";
inline constexpr std::string_view kChatSize = "chatsize";
inline constexpr std::string_view kClearLines = "clearlines";
inline constexpr std::string_view kCombo = "combo";
inline constexpr std::string_view kConfirmTransfer = "confirmtransfer";
inline constexpr std::string_view kDefaultPlayer = "defaultplayer";
inline constexpr std::string_view kDefCats = "defcats";
inline constexpr std::string_view kDelNoExt = "delnoext";
inline constexpr std::string_view kEnableClear = "enableclear";
inline constexpr std::string_view kEnableDynamic = "enabledynamic";
inline constexpr std::string_view kEnableOverdue = "enableoverdue";
inline constexpr std::string_view kExpCopy = "expcopy";
inline constexpr std::string_view kExpLogin = "explogin";
inline constexpr std::string_view kExpPlaylist = "expplaylist";
inline constexpr std::string_view kExpTransfer = "exptransfer";
inline constexpr std::string_view kExtraSearch = "extrasearch";
inline constexpr std::string_view kFilter = "filter";
inline constexpr std::string_view kIntervalDue = "intervaldue";
inline constexpr std::string_view kLargeFileIcons = "largefileicons";
inline constexpr std::string_view kLargeTreeIcons = "largetreeicons";
inline constexpr std::string_view kListArchives = "listarchives";
inline constexpr std::string_view kLoadDb = "loaddb";
inline constexpr std::string_view kMinimized = "minimized";
inline constexpr std::string_view kNetStatus = "netstatus";
inline constexpr std::string_view kOptimizationCheck = "optimizationcheck";
inline constexpr std::string_view kPlaylistAction = "playlistaction";
inline constexpr std::string_view kShare = "share";
inline constexpr std::string_view kShareDb = "sharedb";
inline constexpr std::string_view kShowTrayInfo = "showtrayinfo";
inline constexpr std::string_view kStats = "stats";
inline constexpr std::string_view kTransferAuto = "transferauto";
inline constexpr std::string_view kVisible = "visible";

// Under kSettingsKey: texts.
inline constexpr std::string_view kChatUser = "info3";
inline constexpr std::string_view kChatPasswordDigest = "info4";
inline constexpr std::string_view kInstallDir = "installdir";
inline constexpr std::string_view kLastLogName = "lnfo1";
inline constexpr std::string_view kLastPasswordDigest = "lnfo2";

// Under kSettingsKey: texts for the services whose addresses are not fixed by the program. None
// has a default: without a value the service is not configured.
inline constexpr std::string_view kChatServer = "chatserver";            // "host:port"
inline constexpr std::string_view kChatAccountHost = "chataccounthost";  // chat account service
inline constexpr std::string_view kUserEmail = "useremail";              // freedb greeting
inline constexpr std::string_view kCoverHost = "coverhost";          // cover service's XML endpoint
inline constexpr std::string_view kCoverSiteHost = "coversitehost";  // cover service's home page
inline constexpr std::string_view kCoverToken = "covertoken";  // cover service's developer token
// The release database and its picture archive; without a value the public services answer.
inline constexpr std::string_view kMusicBrainzHost = "musicbrainzhost";
inline constexpr std::string_view kCoverArtHost = "coverarthost";

// Under kLastFilesKey: texts.
inline constexpr std::string_view kQvdPathOpen = "qvdpathopen";
inline constexpr std::string_view kPlaylistSave = "playlistsave";
inline constexpr std::string_view kPlaylistOpen = "playlistopen";

// Under kRecentFileListKey: texts.
inline constexpr std::string_view kRecentFile1 = "File1";
inline constexpr std::string_view kRecentFile2 = "File2";
inline constexpr std::string_view kRecentFile3 = "File3";
inline constexpr std::string_view kRecentFile4 = "File4";

// Under kTipKey: DWORD, the negation of "Show Tips And Tricks On Startup".
inline constexpr std::string_view kTipStartUp = "StartUp";

// Under kRootKey + "\" + a window's name: binary, 44 bytes.
inline constexpr std::string_view kWindowPlacement = "WindowPlacement";

// Under kFreedbKey: text.
inline constexpr std::string_view kFreedbSite = "freedbsite";

// Under kDriveMapKey: texts named by a drive letter and a colon ("e:"), each holding the
// device path of the optical drive that letter stands for ("/dev/sr0").

// Under kRunKey: text, present exactly while autostart is 1.
inline constexpr std::string_view kRunEntry = "Vorlix";

// Byte limits of texts read with a limit, terminator included.
inline constexpr std::size_t kPathLimit = 512;  // installdir, qvdpathopen
inline constexpr std::size_t kRecentFileLimit = 1024;
inline constexpr std::size_t kLogInfoLimit = 56;     // lnfo1, lnfo2
inline constexpr std::size_t kAddressLimit = 256;    // host names, "host:port", e-mail addresses
inline constexpr std::size_t kCoverTokenLimit = 14;  // a 13-character code
// Texts that have no limit of their own are read with this one.
inline constexpr std::size_t kTextLimit = 4096;

}  // namespace vorlix::setting
