#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

class UserPrompt;

// The path an export writes to: the chosen path, with ".html" added when it holds no "." at all
// (a dot in a folder name counts).
std::string htmlExportPath(std::string_view chosen);

// Asks where to put an export page and writes it there in one piece, replacing what was there.
// Cancel ends it without a word; a file that cannot be written is reported with the system's
// reason. The page is made only once a file has been chosen.
class HtmlExportFile {
public:
    explicit HtmlExportFile(UserPrompt& prompt);

    // The path written, or nullopt when the user cancelled or writing failed.
    std::optional<std::string> save(const std::function<std::string()>& page);

private:
    UserPrompt& m_prompt;
};

}  // namespace vorlix
