#include "platform/logon_entry.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/desktop_registration.h"
#include "platform/safe_file_write.h"

namespace vorlix {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kEntryName = "vorlix.desktop";

constexpr std::string_view kEntryBeforeExec = R"entry([Desktop Entry]
Type=Application
Name=Vorlix
Comment=Starts Vorlix when you log in
)entry";
constexpr std::string_view kEntryAfterExec = R"entry(Icon=vorlix
Terminal=false
X-GNOME-Autostart-enabled=true
)entry";

}  // namespace

std::string logonEntryText(const std::string& executable) {
    return std::string(kEntryBeforeExec) + "Exec=" + desktopExecProgram(executable) + "\n" +
           std::string(kEntryAfterExec);
}

LogonEntry::LogonEntry(std::string autostartFolder, std::string executable)
    : m_path((fs::path(std::move(autostartFolder)) / kEntryName).string()),
      m_executable(std::move(executable)) {}

bool LogonEntry::present() const {
    std::error_code ignored;
    return fs::exists(m_path, ignored);
}

Result LogonEntry::set(bool present) {
    std::error_code error;
    if (!present) {
        if (fs::remove(m_path, error); error) {
            return Result::failure("Cannot remove " + m_path + ": " + error.message());
        }
        return Result::success();
    }
    const fs::path folder = fs::path(m_path).parent_path();
    if (fs::create_directories(folder, error); error) {
        return Result::failure("Cannot create the folder " + folder.string() + ": " +
                               error.message());
    }
    if (const Result written = safeWriteFile(m_path, logonEntryText(m_executable)); !written.ok()) {
        return Result::failure("Cannot write " + m_path + ": " + written.message());
    }
    return Result::success();
}

}  // namespace vorlix
