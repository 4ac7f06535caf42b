#include "views/logic/file_list_file_opener.h"

#include <cstdint>
#include <filesystem>

#include "app/document_services.h"
#include "core/disc.h"
#include "core/file_data.h"
#include "core/numbers.h"
#include "core/user_prompt.h"
#include "platform/disc_drives.h"
#include "views/logic/file_list_folder.h"
#include "views/logic/member_opener.h"

namespace vorlix {

namespace {

// The serial number of a disc catalogued without one (a blank disc).
constexpr std::string_view kNoSerial = "0";

std::string driveRoot(std::string_view path) {
    const std::size_t slash = path.find('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(0, slash + 1));
}

}  // namespace

std::string insertDiscQuestion(std::string_view discNumber) {
    return "Please, insert CD " + std::string(discNumber) + " and then press OK.";
}

std::string openingPath(const CQXFileData& entry) {
    const std::string folder(entry.folder());
    const std::string path = folder + std::string(entry.name());
    if (path.find(".cda") == std::string::npos || path.find("Track") != std::string::npos) {
        return path;
    }
    const std::string_view name = entry.name();
    return folder + "Track" + std::string(name.substr(0, name.find(' '))) + ".cda";
}

FileListFileOpener::FileListFileOpener(DiscDrives& drives, ShellOpener& shell, UserPrompt& prompt,
                                       MemberOpener* members)
    : m_drives(drives), m_shell(shell), m_prompt(prompt), m_members(members) {}

void FileListFileOpener::open(const CQXFileData& entry, const DiscTexts& disc) {
    openPath(openingPath(entry), disc, kCouldNotOpenFileMessage);
}

void FileListFileOpener::openPath(const std::string& path, const DiscTexts& disc,
                                  std::string_view failureMessage) {
    for (;;) {
        const std::optional<Located> located = locate(path);
        if (located && holdsDisc(located->root, disc)) {
            if (!located->member.empty()) {
                m_members->open(located->member, failureMessage);
            } else if (!m_shell.open(located->realPath)) {
                m_prompt.message(failureMessage, MessageIcon::Stop);
            }
            return;
        }
        if (m_prompt.ask(insertDiscQuestion(disc.number()), Buttons::OkCancel) != Answer::Ok) {
            return;
        }
    }
}

std::optional<FileListFileOpener::Located> FileListFileOpener::locate(
    const std::string& cataloguedPath) {
    if (std::optional<Located> located = locateAt(driveRoot(cataloguedPath), cataloguedPath)) {
        return located;
    }
    const std::string_view belowRoot = afterFirstBackslash(cataloguedPath);
    for (const DiscSource& drive : m_drives.opticalDrives()) {
        if (std::optional<Located> located =
                locateAt(drive.root, drive.root + std::string(belowRoot))) {
            return located;
        }
    }
    return std::nullopt;
}

std::optional<FileListFileOpener::Located> FileListFileOpener::locateAt(
    const std::string& root, const std::string& cataloguedPath) {
    if (std::optional<std::string> real = m_drives.resolve(cataloguedPath)) {
        return Located{root, std::move(*real), {}};
    }
    if (m_members != nullptr && inArchive(cataloguedPath)) {
        return Located{root, {}, cataloguedPath};
    }
    return std::nullopt;
}

// Whether the longest leading part of the path that is on the drive is a file: then the rest
// names a member inside it. Only the archive is looked for here, which is as quick as finding a
// file; the member is read on the way to the desktop.
bool FileListFileOpener::inArchive(const std::string& cataloguedPath) {
    const std::size_t rootEnd = cataloguedPath.find('\\');
    for (std::size_t end = cataloguedPath.rfind('\\');
         end != std::string::npos && rootEnd != std::string::npos && end > rootEnd;
         end = cataloguedPath.rfind('\\', end - 1)) {
        if (const std::optional<std::string> real =
                m_drives.resolve(cataloguedPath.substr(0, end))) {
            std::error_code error;
            return std::filesystem::is_regular_file(*real, error);
        }
    }
    return false;
}

bool FileListFileOpener::holdsDisc(const std::string& root, const DiscTexts& disc) {
    if (disc.serial() == kNoSerial) {
        return true;
    }
    const std::unique_ptr<DiscVolume> volume = m_drives.open(root);
    const std::optional<VolumeIdentity> identity = volume ? volume->identity() : std::nullopt;
    // A drive that cannot tell its serial number is given the benefit of the doubt.
    return !identity || serialText(identity->serial) == disc.serial();
}

}  // namespace vorlix
