#include "tasks/html_export/html_export_file.h"

#include "core/user_prompt.h"
#include "platform/safe_file_write.h"

namespace vorlix {

std::string htmlExportPath(std::string_view chosen) {
    std::string path(chosen);
    if (path.find('.') == std::string::npos) {
        path += ".html";
    }
    return path;
}

HtmlExportFile::HtmlExportFile(UserPrompt& prompt) : m_prompt(prompt) {}

std::optional<std::string> HtmlExportFile::save(const std::function<std::string()>& page) {
    FileDialogRequest request;
    request.filter = "(*.html)|*.html||";
    request.overwritePrompt = true;
    const std::optional<std::string> chosen = m_prompt.chooseFileToSave(request);
    if (!chosen) {
        return std::nullopt;
    }
    const std::string path = htmlExportPath(*chosen);
    if (const Result written = safeWriteFile(path, page()); !written.ok()) {
        m_prompt.message(written.message(), MessageIcon::Stop);
        return std::nullopt;
    }
    return path;
}

}  // namespace vorlix
