#include "cli/scan_source.h"

#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

#include "cli/cli_command.h"

namespace vorlix {

namespace {

namespace fs = std::filesystem;

DiscSource opticalDrive(DiscDrives& drives, const std::string& operand, auto matches) {
    for (const DiscSource& drive : drives.opticalDrives()) {
        if (matches(drive)) {
            return drive;
        }
    }
    throw CommandFailure{operand + ": no optical drive of that name"};
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code failed;
    return fs::equivalent(a, b, failed);
}

DiscSource added(DiscSource source, const std::string& operand) {
    if (source.root.empty()) {
        throw CommandFailure{operand + ": every drive letter is taken"};
    }
    return source;
}

}  // namespace

std::optional<std::string> driveRootOf(const std::string& text) {
    const bool letter = text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) &&
                        text[1] == ':' &&
                        (text.size() == 2 || (text.size() == 3 && text[2] == '\\'));
    if (!letter) {
        return std::nullopt;
    }
    return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])))) +
           ":\\";
}

DiscSource findScanSource(DiscDrives& drives, const std::string& operand) {
    if (const auto root = driveRootOf(operand)) {
        return opticalDrive(drives, operand,
                            [&](const DiscSource& drive) { return drive.root == *root; });
    }
    if (operand.starts_with("/dev/")) {
        return opticalDrive(drives, operand, [&](const DiscSource& drive) {
            return drive.location == operand || sameFile(drive.location, operand);
        });
    }
    std::error_code failed;
    const fs::file_status status = fs::status(operand, failed);
    fs::path absolute = fs::absolute(operand, failed).lexically_normal();
    if (!absolute.has_filename() && absolute.has_parent_path()) {
        absolute = absolute.parent_path();  // "photos/" names the folder photos
    }
    const std::string path = absolute.string();
    if (fs::is_directory(status)) {
        return added(drives.addFolder(path), operand);
    }
    if (fs::is_regular_file(status)) {
        return added(drives.addImage(path), operand);
    }
    throw CommandFailure{operand + ": no drive, image file or folder of that name"};
}

}  // namespace vorlix
