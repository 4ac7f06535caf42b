#include "platform/desktop_registration.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

#include "platform/safe_file_write.h"

extern char** environ;

namespace vorlix {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDesktopEntryPath = "applications/vorlix.desktop";
constexpr std::string_view kMimeTypesPath = "mime/packages/vorlix.xml";
constexpr std::string_view kIconPath = "icons/hicolor/scalable/apps/vorlix.svg";
// update-mime-database writes one file per type; its absence means the types are not known yet.
constexpr std::string_view kMimeTypeMarker = "mime/application/x-vorlix-catalogue.xml";
constexpr std::string_view kDesktopCache = "applications/mimeinfo.cache";
constexpr std::string_view kDesktopEntryName = "vorlix.desktop";

constexpr std::string_view kEntryBeforeExec = R"entry([Desktop Entry]
Type=Application
Name=Vorlix
GenericName=Disc Catalogue
Comment=Catalogue the contents of your CDs and DVDs and find any file without the disc
)entry";
constexpr std::string_view kEntryAfterExec = R"entry(Icon=vorlix
Terminal=false
MimeType=application/x-vorlix-catalogue;application/x-vorlix-catalogue-old;
Categories=Utility;Archiving;
)entry";
constexpr std::string_view kMimeTypes = R"mime(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-vorlix-catalogue">
    <comment>Vorlix catalogue</comment>
    <icon name="vorlix"/>
    <glob pattern="*.vrd"/>
  </mime-type>
  <mime-type type="application/x-vorlix-catalogue-old">
    <comment>Vorlix catalogue (previous generation)</comment>
    <icon name="vorlix"/>
    <glob pattern="*.qvd"/>
  </mime-type>
</mime-info>
)mime";
constexpr std::string_view kIcon = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
  <title>Vorlix</title>
  <defs>
    <radialGradient id="surface" cx="64" cy="64" r="58" gradientUnits="userSpaceOnUse">
      <stop offset="0.3" stop-color="#f7f9fb"/>
      <stop offset="0.8" stop-color="#cfd7e0"/>
      <stop offset="1" stop-color="#a4b0bd"/>
    </radialGradient>
    <linearGradient id="sheen" x1="14" y1="20" x2="114" y2="108" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#5ec8ff" stop-opacity="0.55"/>
      <stop offset="0.3" stop-color="#b48cff" stop-opacity="0.25"/>
      <stop offset="0.5" stop-color="#ffffff" stop-opacity="0"/>
      <stop offset="0.75" stop-color="#ffe17a" stop-opacity="0.3"/>
      <stop offset="1" stop-color="#ff7fc8" stop-opacity="0.5"/>
    </linearGradient>
    <linearGradient id="card" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#3d8bfd"/>
      <stop offset="1" stop-color="#1f5fc4"/>
    </linearGradient>
  </defs>
  <path fill="url(#surface)" fill-rule="evenodd" stroke="#5f6b78" stroke-width="2"
        d="M64 6a58 58 0 1 0 0.001 0zM64 55a9 9 0 1 1 -0.001 0z"/>
  <path fill="url(#sheen)" fill-rule="evenodd"
        d="M64 7a57 57 0 1 0 0.001 0zM64 55a9 9 0 1 1 -0.001 0z"/>
  <path fill="#ffffff" fill-opacity="0.45" d="M64 8a56 56 0 0 1 48.5 28l-31.2 18a20 20 0 0 0 -17.3 -10z"/>
  <path fill="#ffffff" fill-opacity="0.3" d="M64 120a56 56 0 0 1 -48.5 -28l31.2 -18a20 20 0 0 0 17.3 10z"/>
  <path fill="#e9eef3" fill-rule="evenodd" stroke="#8c98a5" stroke-width="1.5"
        d="M64 42a22 22 0 1 0 0.001 0zM64 55a9 9 0 1 1 -0.001 0z"/>
  <circle cx="64" cy="64" r="9" fill="none" stroke="#5f6b78" stroke-width="2"/>
  <g transform="translate(74 74)">
    <rect x="0" y="0" width="48" height="44" rx="6" fill="url(#card)" stroke="#173f80" stroke-width="2"/>
    <rect x="8" y="10" width="32" height="4" rx="2" fill="#ffffff"/>
    <rect x="8" y="20" width="24" height="4" rx="2" fill="#ffffff" fill-opacity="0.85"/>
    <rect x="8" y="30" width="28" height="4" rx="2" fill="#ffffff" fill-opacity="0.85"/>
  </g>
</svg>
)svg";

// The desktop entry format's reserved characters: an argument holding one must be quoted.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";

// One argument of an Exec value, before the value's own escaping.
std::string quotedArgument(std::string_view argument) {
    std::string percentSafe;
    for (const char c : argument) {
        percentSafe += c;
        if (c == '%') {
            percentSafe += '%';
        }
    }
    if (!percentSafe.empty() && percentSafe.find_first_of(kReserved) == std::string::npos) {
        return percentSafe;
    }
    std::string quoted = "\"";
    for (const char c : percentSafe) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

// A string value of the desktop entry format escapes backslashes and line breaks.
std::string escapedValue(std::string_view value) {
    std::string escaped;
    for (const char c : value) {
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\t':
                escaped += "\\t";
                break;
            case '\r':
                escaped += "\\r";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

bool fileHolds(const fs::path& path, std::string_view content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    const std::string existing((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    return existing == content;
}

bool fileMentions(const fs::path& path, std::string_view text) {
    std::ifstream in(path, std::ios::binary);
    const std::string existing((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    return existing.find(text) != std::string::npos;
}

// Writes one file unless it already holds content; true when it was written.
bool putFile(const fs::path& dataHome, std::string_view relative, std::string_view content,
             DesktopRegistrationReport& report) {
    const fs::path path = dataHome / relative;
    if (fileHolds(path, content)) {
        return false;
    }
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (error) {
        report.problems.push_back("Cannot create the folder " + path.parent_path().string() + ": " +
                                  error.message());
        return false;
    }
    if (const Result written = safeWriteFile(path.string(), content); !written.ok()) {
        report.problems.push_back("Cannot write " + path.string() + ": " + written.message());
        return false;
    }
    report.written.emplace_back(relative);
    return true;
}

std::string findProgram(std::string_view name, std::string_view searchPath) {
    while (!searchPath.empty()) {
        const std::size_t colon = searchPath.find(':');
        const std::string_view folder = searchPath.substr(0, colon);
        searchPath =
            colon == std::string_view::npos ? std::string_view() : searchPath.substr(colon + 1);
        // An empty or relative entry would depend on the current folder: not trusted here.
        if (!folder.starts_with('/')) {
            continue;
        }
        const std::string candidate = std::string(folder) + "/" + std::string(name);
        struct stat status {};
        if (::stat(candidate.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

// Runs an update program on one folder and waits for it; its chatter on standard output is
// dropped, its warnings go to standard error as usual.
void runUpdate(std::string_view name, const fs::path& folder, std::string_view searchPath,
               DesktopRegistrationReport& report) {
    const std::string program = findProgram(name, searchPath);
    if (program.empty()) {
        report.problems.push_back(std::string(name) +
                                  " was not found; the desktop may not know the catalogue "
                                  "file types until it runs");
        return;
    }
    std::string argument0(name);
    std::string argument1 = folder.string();
    char* arguments[] = {argument0.data(), argument1.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, program.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        report.problems.push_back("Cannot run " + program + ": " + std::strerror(spawned));
        return;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            report.problems.push_back("Cannot wait for " + program + ": " + std::strerror(errno));
            return;
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
        report.problems.push_back(program + " ended with status " +
                                  std::to_string(WEXITSTATUS(status)));
    } else if (WIFSIGNALED(status)) {
        report.problems.push_back(program + " ended by signal " + std::to_string(WTERMSIG(status)));
    }
}

}  // namespace

std::string desktopExecProgram(const std::string& executable) {
    return escapedValue(quotedArgument(executable));
}

std::string desktopEntryText(const std::string& executable) {
    return std::string(kEntryBeforeExec) + "Exec=" + desktopExecProgram(executable) + " %f\n" +
           std::string(kEntryAfterExec);
}

std::string mimeTypesText() {
    return std::string(kMimeTypes);
}

std::string iconText() {
    return std::string(kIcon);
}

DesktopRegistrationReport registerWithDesktop(const std::string& dataHome,
                                              const std::string& executable,
                                              const std::string& searchPath) {
    DesktopRegistrationReport report;
    if (!dataHome.starts_with('/')) {
        report.problems.push_back("No data folder to register the program in: \"" + dataHome +
                                  "\" is not an absolute path");
        return report;
    }
    const fs::path home(dataHome);
    const bool typesWritten = putFile(home, kMimeTypesPath, kMimeTypes, report);
    putFile(home, kIconPath, kIcon, report);
    bool entryWritten = false;
    if (executable.starts_with('/')) {
        entryWritten = putFile(home, kDesktopEntryPath, desktopEntryText(executable), report);
    } else {
        report.problems.push_back("The program's own path is unknown (\"" + executable +
                                  "\"); no desktop entry was written");
    }
    std::error_code ignored;
    if (typesWritten || !fs::exists(home / kMimeTypeMarker, ignored)) {
        runUpdate("update-mime-database", home / "mime", searchPath, report);
    }
    const bool entryPresent = fs::exists(home / kDesktopEntryPath, ignored);
    if (entryPresent && (entryWritten || !fileMentions(home / kDesktopCache, kDesktopEntryName))) {
        runUpdate("update-desktop-database", home / "applications", searchPath, report);
    }
    return report;
}

DesktopRegistrationReport registerWithDesktop(const std::string& dataHome,
                                              const std::string& executable) {
    const char* path = std::getenv("PATH");
    return registerWithDesktop(dataHome, executable, path == nullptr ? std::string() : path);
}

}  // namespace vorlix
