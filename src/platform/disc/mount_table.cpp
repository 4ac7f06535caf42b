#include "platform/disc/mount_table.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace vorlix {

namespace {

bool isOctal(char c) {
    return c >= '0' && c <= '7';
}

// The kernel writes space, tab, newline and backslash in paths as three octal digits.
std::string unescape(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            out.push_back(static_cast<char>((field[i + 1] - '0') << 6 | (field[i + 2] - '0') << 3 |
                                            (field[i + 3] - '0')));
            i += 3;
        } else {
            out.push_back(field[i]);
        }
    }
    return out;
}

std::string canonical(const std::string& path) {
    std::error_code error;
    const auto resolved = std::filesystem::canonical(path, error);
    return error ? path : resolved.string();
}

}  // namespace

std::optional<std::string> findMountPoint(const std::string& mountInfoPath,
                                          const std::string& device) {
    std::ifstream table(mountInfoPath);
    const std::string wanted = canonical(device);
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::vector<std::string> field;
        for (std::string f; fields >> f;) {
            field.push_back(f);
        }
        std::size_t separator = 6;
        while (separator < field.size() && field[separator] != "-") {
            ++separator;
        }
        // A bind mount of a folder inside the disc (root other than "/") shows only part of it.
        if (separator + 2 >= field.size() || field[3] != "/") {
            continue;
        }
        const std::string source = unescape(field[separator + 2]);
        if (source == device || (source.starts_with('/') && canonical(source) == wanted)) {
            return unescape(field[4]);
        }
    }
    return std::nullopt;
}

}  // namespace vorlix
