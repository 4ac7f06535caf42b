#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

class CQXFileData;
class DiscDrives;
class MemberOpener;
class ShellOpener;
class UserPrompt;
class DiscTexts;

inline constexpr std::string_view kCouldNotOpenFileMessage = "Could not open file";

// "Please, insert CD 12 and then press OK."
std::string insertDiscQuestion(std::string_view discNumber);

// The catalogued path a file entry is opened by: its folder and name, where an audio track
// the user has renamed ("03 Intro.cda") is opened by the file the drive shows for it
// ("Track03.cda").
std::string openingPath(const CQXFileData& entry);

// Opens a catalogued file from its disc with the desktop's program for it. The file is looked
// for at its catalogued path first, then in each optical drive in drive-letter order; the
// drive found must hold the disc (same serial number, unless the disc was catalogued without
// one). Until it is found the user is asked to insert the disc, and may give up. A member of
// an archive is found by its archive, a file on the drive, and handed to members to open
// (without them it is looked for as a file only).
class FileListFileOpener {
public:
    FileListFileOpener(DiscDrives& drives, ShellOpener& shell, UserPrompt& prompt,
                       MemberOpener* members = nullptr);

    void open(const CQXFileData& entry, const DiscTexts& disc);
    // The same for a catalogued path ("d:\music\song.mp3"), with the message to show when the
    // desktop cannot open the file.
    void openPath(const std::string& cataloguedPath, const DiscTexts& disc,
                  std::string_view failureMessage);

private:
    struct Located {
        std::string root;      // "E:\"
        std::string realPath;  // where the file is on this system
        std::string member;    // the catalogued path on this drive, for a member of an archive
    };

    std::optional<Located> locate(const std::string& cataloguedPath);
    std::optional<Located> locateAt(const std::string& root, const std::string& cataloguedPath);
    bool inArchive(const std::string& cataloguedPath);
    bool holdsDisc(const std::string& root, const DiscTexts& disc);

    DiscDrives& m_drives;
    ShellOpener& m_shell;
    UserPrompt& m_prompt;
    MemberOpener* m_members;
};

}  // namespace vorlix
