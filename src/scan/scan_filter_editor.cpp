#include "scan/scan_filter_editor.h"

#include <algorithm>

#include "app/setting_names.h"
#include "app/settings_store.h"
#include "core/text_case.h"
#include "core/user_prompt.h"
#include "scan/filter_lists.h"

namespace vorlix {

namespace {

bool holds(const std::vector<std::string>& list, std::string_view entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

// The valid row numbers among selected, each once, top to bottom.
std::vector<std::size_t> rowsToMove(std::vector<std::size_t> selected, std::size_t rowCount) {
    std::erase_if(selected, [rowCount](std::size_t row) { return row >= rowCount; });
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    return selected;
}

// Moves the rows, taken top to bottom, each to the top of to; returns the moved texts.
std::vector<std::string> moveRows(std::vector<std::string>& from, std::vector<std::string>& to,
                                  const std::vector<std::size_t>& selected) {
    const std::vector<std::size_t> rows = rowsToMove(selected, from.size());
    std::vector<std::string> moved;
    moved.reserve(rows.size());
    for (const std::size_t row : rows) {
        moved.push_back(from[row]);
        to.insert(to.begin(), from[row]);
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        from.erase(from.begin() + static_cast<std::ptrdiff_t>(*row));
    }
    return moved;
}

std::vector<std::string> lowered(const std::vector<std::string>& rows) {
    std::vector<std::string> out;
    out.reserve(rows.size());
    for (const std::string& row : rows) {
        out.push_back(lowerCase(row));
    }
    return out;
}

}  // namespace

ScanFilterEditor::ScanFilterEditor(FilterLists& lists, std::vector<std::string>& detected,
                                   UserPrompt& prompt, SettingsStore& settings)
    : m_lists(lists),
      m_detected(detected),
      m_prompt(prompt),
      m_settings(settings),
      m_detectedRows(detected.rbegin(), detected.rend()),
      m_keepRows(lists.keepList().rbegin(), lists.keepList().rend()),
      m_deleteWithoutExtension(settings.readNumber(setting::kSettingsKey, setting::kDelNoExt) !=
                               0) {}

void ScanFilterEditor::setDeleteFilesWithoutExtension(bool on) {
    m_deleteWithoutExtension = on;
    m_settings.writeNumber(setting::kSettingsKey, setting::kDelNoExt, on ? 1 : 0);
}

void ScanFilterEditor::addNew(std::string text) {
    if (holds(m_lists.skipList(), text)) {
        if (!userKeepsFilteredExtension()) {
            return;
        }
        report(m_lists.updateSkipList(
            [&text](std::vector<std::string>& skip) { std::erase(skip, text); }));
    }
    // The typed text is lower-cased only on its way past detected rows, so with none it stays
    // as typed until a file is written.
    for (auto row = m_detectedRows.begin(); row != m_detectedRows.end();) {
        text = lowerCase(text);
        if (*row != text) {
            ++row;
            continue;
        }
        if (!userKeepsFilteredExtension()) {
            return;
        }
        row = m_detectedRows.erase(row);
    }
    if (holds(m_keepRows, text)) {
        m_prompt.message(kAlreadyOnListMessage);
        return;
    }
    m_keepRows.insert(m_keepRows.begin(), std::move(text));
}

void ScanFilterEditor::addSelected(const std::vector<std::size_t>& detectedRows) {
    const std::vector<std::string> moved = moveRows(m_detectedRows, m_keepRows, detectedRows);
    report(m_lists.updateSkipList([&moved](std::vector<std::string>& skip) {
        for (const std::string& extension : moved) {
            std::erase(skip, extension);
        }
    }));
}

void ScanFilterEditor::removeSelected(const std::vector<std::size_t>& keepRows) {
    moveRows(m_keepRows, m_detectedRows, keepRows);
    m_lists.keepList() = lowered(m_keepRows);
    report(m_lists.writeKeepList());
}

bool ScanFilterEditor::accept() {
    std::vector<std::string> keep = lowered(m_keepRows);
    if (const Result written = m_lists.keepFile().write(keep); !written.ok()) {
        report(written);
        return false;
    }
    m_lists.keepList() = std::move(keep);

    // Appended to the file as it is now; a failed update leaves the list as it was, so a retry
    // appends the rows once.
    const std::vector<std::string> detected = lowered(m_detectedRows);
    if (const Result written = m_lists.updateSkipList([&detected](std::vector<std::string>& skip) {
            skip.insert(skip.end(), detected.begin(), detected.end());
        });
        !written.ok()) {
        report(written);
        return false;
    }
    m_detectedRows.clear();
    m_detected.clear();
    return true;
}

bool ScanFilterEditor::userKeepsFilteredExtension() {
    return m_prompt.ask(kFilteredOutQuestion, Buttons::YesNo, MessageIcon::Information) ==
           Answer::Yes;
}

void ScanFilterEditor::report(const Result& written) {
    if (!written.ok()) {
        m_prompt.message(written.message(), MessageIcon::Stop);
    }
}

}  // namespace vorlix
