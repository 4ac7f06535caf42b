#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace vorlix {

class FilterLists;
class SettingsStore;
class UserPrompt;

inline constexpr std::string_view kFilteredOutQuestion =
    "This extension is currently filtered out. \n\t\t\tWould you like to add it to your extension "
    "list?";
inline constexpr std::string_view kAlreadyOnListMessage = "This extension is already on the list!";

// What the scan filter dialog does with its two rows lists: "Detected Extensions:" (extensions
// a scan met that are on neither filter list) and "Keep Extensions:". The window only shows the
// rows and forwards its buttons here. New rows always go to the top of a list, so rows show
// newest first and are written in that order.
class ScanFilterEditor {
public:
    // Opens on the document's lists and the scan's detected extensions, which must outlive it.
    ScanFilterEditor(FilterLists& lists, std::vector<std::string>& detected, UserPrompt& prompt,
                     SettingsStore& settings);

    const std::vector<std::string>& detectedRows() const { return m_detectedRows; }
    const std::vector<std::string>& keepRows() const { return m_keepRows; }

    // The "Delete files without extension" check box: shown from delnoext, written at once.
    bool deleteFilesWithoutExtension() const { return m_deleteWithoutExtension; }
    void setDeleteFilesWithoutExtension(bool on);

    // "Add New" with the text as typed. The edit field is emptied afterwards in every case.
    void addNew(std::string text);

    // "Add   >>": moves the given rows of "Detected Extensions:" to "Keep Extensions:" and takes
    // them off the skip list, which is rewritten.
    void addSelected(const std::vector<std::size_t>& detectedRows);

    // "<< Remove": moves the given rows of "Keep Extensions:" back to "Detected Extensions:" and
    // rewrites the keep list from what is left.
    void removeSelected(const std::vector<std::size_t>& keepRows);

    // "OK": the kept rows become the keep list, the detected rows join the skip list, both files
    // are rewritten and the detected extensions are emptied. False when a file could not be
    // written (already reported); the dialog then stays open so the user can retry or cancel.
    bool accept();

private:
    bool userKeepsFilteredExtension();
    // Shows why a list file could not be written, if it could not.
    void report(const Result& written);

    FilterLists& m_lists;
    std::vector<std::string>& m_detected;
    UserPrompt& m_prompt;
    SettingsStore& m_settings;
    std::vector<std::string> m_detectedRows;
    std::vector<std::string> m_keepRows;
    bool m_deleteWithoutExtension = false;
};

}  // namespace vorlix
