#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/result.h"
#include "net/copy_task.h"

namespace vorlix {

class CopyTaskWindow;
class DiscDrives;
class UserPrompt;
class VolumeFile;

inline constexpr std::size_t kCopyBlockSize = 8192;
inline constexpr std::string_view kFileListAudioMessage =
    "Copying of audio files not possible! Please use CD Grabbers!";
inline constexpr std::string_view kSearchAudioMessage =
    "Audio CDs can not be copied! Please, use CD grabbers!";

// "Please, insert CD 12" from the file list, "Please insert disc Nr.12" from search results.
std::string copyInsertDiscQuestion(CopyOrigin origin, std::string_view discNumber);

// Copies the files of one task from their discs to the hard disc, one after the other, on the
// thread that runs it: finds each file on a drive, asks where to put it, copies it in blocks
// and tells the copy tasks window how far it got. Stopping, or failing, removes what was
// written of the file.
class CopyJob {
public:
    // ending: set when the program ends; the copy then stops like one the user stopped.
    CopyJob(CopyTask task, DiscDrives& drives, UserPrompt& prompt, CopyTaskWindow& window,
            const std::atomic<bool>& ending);

    void run();

private:
    enum class Outcome { Next, EndTask };

    struct Located {
        std::unique_ptr<VolumeFile> file;
        std::string path;     // the catalogued path on the drive that holds it
        std::string problem;  // why it cannot be read from there; then file is null
    };

    Outcome copy(const CopyFile& file);
    std::optional<Located> locate(const CopyFile& file);
    std::optional<std::string> destination(const CopyFile& file);
    // Copies the blocks; false when the copy was stopped.
    Result copyBlocks(VolumeFile& source, int destination, int id, bool& stopped);
    bool stopRequested(int id) const;

    CopyTask m_task;
    DiscDrives& m_drives;
    UserPrompt& m_prompt;
    CopyTaskWindow& m_window;
    const std::atomic<bool>& m_ending;
    std::string m_folder;  // where the first file went; later files follow it
};

}  // namespace vorlix
