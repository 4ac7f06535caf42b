#include "app/ui/qt_user_prompt.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/ui/qt_text.h"

namespace vorlix {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return QMessageBox::Ok;
        case Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            break;
    }
    return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
}

Answer answerOf(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

// Runs the dialog with the request's proposed name; the file chosen, or nothing on Cancel.
std::optional<std::string> chosenFile(QFileDialog& dialog, const FileDialogRequest& request) {
    if (!request.proposedName.empty()) {
        dialog.selectFile(toQt(request.proposedName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return fromQt(dialog.selectedFiles().constFirst());
}

}  // namespace

void QtUserPrompt::message(std::string_view text, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), QStringLiteral("Vorlix"), toQt(text), QMessageBox::Ok, m_parent);
    box.exec();
}

Answer QtUserPrompt::ask(std::string_view text, Buttons buttons, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), QStringLiteral("Vorlix"), toQt(text), qtButtons(buttons),
                    m_parent);
    return answerOf(box.exec());
}

std::optional<std::string> QtUserPrompt::chooseFileToOpen(const FileDialogRequest& request) {
    QFileDialog dialog(m_parent, toQt(request.title), toQt(request.directory),
                       toQtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog, request);
}

std::optional<std::string> QtUserPrompt::chooseFileToSave(const FileDialogRequest& request) {
    QFileDialog dialog(m_parent, toQt(request.title), toQt(request.directory),
                       toQtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(toQt(request.defaultExtension).remove(0, 1));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    return chosenFile(dialog, request);
}

}  // namespace vorlix
