#include "net/copy_job.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

#include "core/user_prompt.h"
#include "net/copy_messages.h"
#include "net/copy_task_window.h"
#include "platform/archive/catalogued_entry.h"
#include "platform/disc_drives.h"

namespace vorlix {

namespace {

std::string_view belowDriveRoot(std::string_view path) {
    const std::size_t slash = path.find('\\');
    return slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
}

std::string extensionOf(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool exists(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0;
}

std::string replaceQuestion(const std::string& path) {
    return "The file " + path + " exists already. Do you want to replace it?";
}

Result writeAll(int fd, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return Result::failure(std::strerror(written < 0 ? errno : ENOSPC));
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return Result::success();
}

}  // namespace

std::string copyInsertDiscQuestion(CopyOrigin origin, std::string_view discNumber) {
    return (origin == CopyOrigin::FileList ? "Please, insert CD " : "Please insert disc Nr.") +
           std::string(discNumber);
}

CopyJob::CopyJob(CopyTask task, DiscDrives& drives, UserPrompt& prompt, CopyTaskWindow& window,
                 const std::atomic<bool>& ending)
    : m_task(std::move(task)),
      m_drives(drives),
      m_prompt(prompt),
      m_window(window),
      m_ending(ending) {}

void CopyJob::run() {
    for (const CopyFile& file : m_task.files) {
        if (m_ending || copy(file) == Outcome::EndTask) {
            return;
        }
    }
}

CopyJob::Outcome CopyJob::copy(const CopyFile& file) {
    // Checked before the drive is asked: a track of an audio CD is no file to read.
    if ((file.folder + file.name).find(".cda") != std::string::npos) {
        m_prompt.message(
            m_task.origin == CopyOrigin::FileList ? kFileListAudioMessage : kSearchAudioMessage,
            MessageIcon::Stop);
        return Outcome::EndTask;
    }
    std::optional<Located> located = locate(file);
    if (located && !located->problem.empty()) {
        m_prompt.message("Copying " + located->path + " failed: " + located->problem + ".",
                         MessageIcon::Stop);
        return Outcome::EndTask;
    }
    while (!located) {
        if (m_prompt.ask(copyInsertDiscQuestion(m_task.origin, file.discNumber), Buttons::YesNo,
                         MessageIcon::Question) != Answer::Yes) {
            return Outcome::Next;
        }
        located = locate(file);
    }
    std::string target;
    if (m_folder.empty()) {
        const std::optional<std::string> chosen = destination(file);
        if (!chosen) {
            return Outcome::EndTask;
        }
        target = *chosen;
        m_folder = folderOf(target);
    } else {
        target = m_folder + "/" + file.name;
        if (exists(target) &&
            m_prompt.ask(replaceQuestion(target), Buttons::YesNo) != Answer::Yes) {
            return Outcome::Next;
        }
    }

    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        m_prompt.message("The file " + target + " could not be created: " + std::strerror(errno),
                         MessageIcon::Stop);
        return Outcome::EndTask;
    }
    const int id = m_window.addItem(target, file.size);
    bool stopped = false;
    Result copied = copyBlocks(*located->file, fd, id, stopped);
    if (::close(fd) != 0 && copied) {
        copied = Result::failure(std::strerror(errno));
    }
    if (copied && !stopped) {
        return Outcome::Next;
    }
    m_window.report(copyStopMessage(id));
    ::unlink(target.c_str());
    if (!copied) {
        m_prompt.message("Copying " + located->path + " to " + target +
                             " failed: " + copied.message() + ". The incomplete copy was removed.",
                         MessageIcon::Stop);
        return Outcome::EndTask;
    }
    return m_ending ? Outcome::EndTask : Outcome::Next;
}

// At its catalogued place first, then in each optical drive in drive-letter order. A member
// of an archive that is there but cannot be read from it ends the search with the reason.
std::optional<CopyJob::Located> CopyJob::locate(const CopyFile& file) {
    const std::string path = file.folder + file.name;
    std::vector<std::string> places{path};
    for (const DiscSource& drive : m_drives.opticalDrives()) {
        places.push_back(drive.root + std::string(belowDriveRoot(path)));
    }
    for (const std::string& place : places) {
        OpenedEntry found = openCataloguedEntry(m_drives, place);
        if (!found.absentFile()) {
            std::string problem = found.message();
            return Located{found.take(), place, std::move(problem)};
        }
    }
    return std::nullopt;
}

std::optional<std::string> CopyJob::destination(const CopyFile& file) {
    const std::string extension = extensionOf(file.name);
    FileDialogRequest request{
        "", "(*." + extension + ")|*." + extension + "||", "", extension, true, file.name};
    std::optional<std::string> chosen = m_prompt.chooseFileToSave(request);
    if (chosen && nameOf(*chosen).find('.') == std::string::npos) {
        *chosen += "." + extension;
    }
    return chosen;
}

Result CopyJob::copyBlocks(VolumeFile& source, int destination, int id, bool& stopped) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    // The catalogued size may be 0, negative or simply old; the medium's own is the one to go by.
    const std::uint64_t total = source.size();
    std::vector<char> block(kCopyBlockSize);
    std::uint64_t bytes = 0;
    int reportedPercent = -1;
    for (;;) {
        const std::optional<std::size_t> got = source.read(block.data(), block.size());
        if (!got) {
            const std::string problem = source.readProblem();
            return Result::failure(problem.empty() ? "the disc could not be read after " +
                                                         std::to_string(bytes) + " bytes"
                                                   : problem);
        }
        if (*got == 0) {
            m_window.report(copyCompletionMessage(id, bytes));
            return Result::success();
        }
        if (Result written = writeAll(destination, block.data(), *got); !written) {
            return written;
        }
        bytes += *got;
        const auto seconds =
            std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count();
        const double speed = seconds > 0 ? static_cast<double>(bytes / 1024) / seconds : 0.0;
        const int percent =
            total == 0 ? 100 : static_cast<int>(std::min<std::uint64_t>(100, bytes * 100 / total));
        if (id == m_window.shownId() || percent > reportedPercent) {
            m_window.report(copyProgressMessage(id, percent, bytes, speed));
            reportedPercent = percent;
        }
        if (stopRequested(id)) {
            stopped = true;
            return Result::success();
        }
    }
}

bool CopyJob::stopRequested(int id) const {
    return m_window.stopId() == id || m_ending;
}

}  // namespace vorlix
