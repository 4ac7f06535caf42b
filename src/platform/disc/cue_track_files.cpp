#include "platform/disc/cue_track_files.h"

#include <algorithm>
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

// Calls take with what follows the command on each line that starts with it, after blanks.
template <typename Take>
void forEachCommand(std::string_view sheet, std::string_view command, Take take) {
    while (!sheet.empty()) {
        const std::size_t end = sheet.find('\n');
        const std::string_view line = trimmedStart(sheet.substr(0, end));
        sheet = end == std::string_view::npos ? std::string_view() : sheet.substr(end + 1);
        if (startsWithCommand(line, command)) {
            take(line.substr(command.size()));
        }
    }
}

}  // namespace

std::vector<std::string> cueTrackFiles(std::string_view sheet) {
    std::vector<std::string> files;
    forEachCommand(sheet, "FILE", [&files](std::string_view rest) {
        if (std::string name = operandOf(rest); !name.empty()) {
            files.push_back(std::move(name));
        }
    });
    return files;
}

bool cueTracksInOrder(std::string_view sheet) {
    bool inOrder = true;
    int last = 0;
    forEachCommand(sheet, "TRACK", [&](std::string_view rest) {
        const std::string number = operandOf(rest);
        const bool digits = !number.empty() && number.size() <= 2 &&
                            std::all_of(number.begin(), number.end(), [](char c) {
                                return std::isdigit(static_cast<unsigned char>(c)) != 0;
                            });
        const int value = digits ? std::stoi(number) : 0;
        inOrder = inOrder && value >= 1 && (last == 0 || value == last + 1);
        last = value;
    });
    return inOrder;
}

}  // namespace vorlix
