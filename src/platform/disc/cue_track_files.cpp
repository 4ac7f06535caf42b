#include "platform/disc/cue_track_files.h"

#include <cctype>

namespace vorlix {

namespace {

std::string_view trimmedStart(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    return text;
}

bool startsWithCommand(std::string_view line, std::string_view command) {
    if (line.size() <= command.size() ||
        !std::isspace(static_cast<unsigned char>(line[command.size()]))) {
        return false;
    }
    for (std::size_t i = 0; i < command.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(line[i])) != command[i]) {
            return false;
        }
    }
    return true;
}

// The first operand of a command: up to the closing quote, or up to the next blank.
std::string operandOf(std::string_view rest) {
    rest = trimmedStart(rest);
    if (!rest.empty() && rest.front() == '"') {
        rest.remove_prefix(1);
        return std::string(rest.substr(0, rest.find('"')));
    }
    std::size_t end = 0;
    while (end < rest.size() && !std::isspace(static_cast<unsigned char>(rest[end]))) {
        ++end;
    }
    return std::string(rest.substr(0, end));
}

}  // namespace

std::vector<std::string> cueTrackFiles(std::string_view sheet) {
    constexpr std::string_view kFile = "FILE";
    std::vector<std::string> files;
    while (!sheet.empty()) {
        const std::size_t end = sheet.find('\n');
        const std::string_view line = trimmedStart(sheet.substr(0, end));
        sheet = end == std::string_view::npos ? std::string_view() : sheet.substr(end + 1);
        if (startsWithCommand(line, kFile)) {
            if (std::string name = operandOf(line.substr(kFile.size())); !name.empty()) {
                files.push_back(std::move(name));
            }
        }
    }
    return files;
}

}  // namespace vorlix
