#include "support/scripted_prompt.h"

namespace vorlix::test {

namespace {

const char* iconName(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return "no icon";
        case MessageIcon::Information:
            return "information";
        case MessageIcon::Warning:
            return "warning";
        case MessageIcon::Stop:
            return "stop";
        case MessageIcon::Question:
            return "question";
    }
    return "?";
}

const char* buttonsName(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return "OK";
        case Buttons::OkCancel:
            return "OK/Cancel";
        case Buttons::YesNo:
            return "Yes/No";
        case Buttons::YesNoCancel:
            return "Yes/No/Cancel";
    }
    return "?";
}

}  // namespace

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << '"' << shown.text << "\" (" << iconName(shown.icon);
    if (shown.buttons) {
        *out << ", " << buttonsName(*shown.buttons);
    }
    *out << ')';
}

void ScriptedPrompt::message(std::string_view text, MessageIcon icon) {
    messages.emplace_back(text);
    shown.push_back({std::string(text), icon, std::nullopt});
}

Answer ScriptedPrompt::ask(std::string_view text, Buttons buttons, MessageIcon icon) {
    messages.emplace_back(text);
    shown.push_back({std::string(text), icon, buttons});
    if (answers.empty()) {
        return Answer::Cancel;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompt::nextFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (files.empty()) {
        return std::nullopt;
    }
    auto file = files.front();
    files.pop_front();
    return file;
}

std::optional<std::string> ScriptedPrompt::chooseFileToOpen(const FileDialogRequest& request) {
    return nextFile(request);
}

std::optional<std::string> ScriptedPrompt::chooseFileToSave(const FileDialogRequest& request) {
    return nextFile(request);
}

}  // namespace vorlix::test
