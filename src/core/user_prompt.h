#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

enum class MessageIcon { None, Information, Warning, Stop, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    std::string title;
    std::string filter;  // "Description|*.ext|...||" as the dialogs are specified
    std::string directory;
    std::string defaultExtension;
    // Whether choosing an existing file to save asks before it is replaced. A dialog whose
    // caller adds to the chosen file rather than replacing it turns this off.
    bool overwritePrompt = true;
    // The file name the dialog starts with, in its folder; empty for none.
    std::string proposedName = {};
};

// The port through which logic shows messages and asks the user. The desktop program answers
// with message boxes and file dialogs, tests with a scripted fake that records every text.
class UserPrompt {
public:
    virtual ~UserPrompt() = default;

    virtual void message(std::string_view text, MessageIcon icon = MessageIcon::None) = 0;
    virtual Answer ask(std::string_view text, Buttons buttons,
                       MessageIcon icon = MessageIcon::Question) = 0;
    virtual std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) = 0;
};

}  // namespace vorlix
