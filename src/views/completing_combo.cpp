#include "views/completing_combo.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/ui/qt_text.h"
#include "views/logic/commands_completion.h"
#include "views/typed_key.h"

namespace vorlix {

CompletingCombo::CompletingCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // The list is the combo's own; Qt's completer and the insertion of the text on Enter would
    // both change what the user typed.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CompletingCombo::onTextEdited);
}

void CompletingCombo::setHistory(std::function<std::vector<std::string>()> history) {
    m_history = std::move(history);
}

void CompletingCombo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace || event->text() == QStringLiteral(".")) {
        m_completeNextEdit = false;
    } else if (typesCharacter(*event)) {
        m_completeNextEdit = true;
    }
    QComboBox::keyPressEvent(event);
}

void CompletingCombo::keyReleaseEvent(QKeyEvent* event) {
    QComboBox::keyReleaseEvent(event);
    if (event->key() == Qt::Key_Backspace && !event->isAutoRepeat()) {
        Q_EMIT backspaceReleased();
    }
}

void CompletingCombo::onTextEdited(const QString& text) {
    Q_EMIT edited();
    if (!m_completionOn || !m_completeNextEdit) {
        return;
    }
    const qsizetype matches = fillList(text);
    if (matches == 0) {
        setCurrentIndex(0);
        lineEdit()->setCursorPosition(static_cast<int>(text.size()));
        return;
    }
    setCurrentIndex(1);
    const auto typed = static_cast<int>(text.size());
    lineEdit()->setSelection(typed, static_cast<int>(currentText().size()) - typed);
}

qsizetype CompletingCombo::fillList(const QString& text) {
    const std::vector<std::string> matches =
        completionMatches(m_history ? m_history() : std::vector<std::string>(), fromQt(text));
    const QSignalBlocker blocker(this);
    clear();
    addItem(text);
    for (const std::string& match : matches) {
        addItem(toQt(match));
    }
    return static_cast<qsizetype>(matches.size());
}

void CompletingCombo::showPopup() {
    const QString text = currentText();
    const int position = lineEdit()->cursorPosition();
    fillList(text);
    if (!text.isEmpty()) {
        setCurrentIndex(0);
    } else {
        removeItem(0);
        setCurrentIndex(-1);
    }
    setEditText(text);
    lineEdit()->setCursorPosition(position);
    QComboBox::showPopup();
}

void CompletingCombo::cutAtSelection() {
    QLineEdit* edit = lineEdit();
    const int cut = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    edit->setText(edit->text().left(cut));
    edit->setCursorPosition(cut);
}

}  // namespace vorlix
