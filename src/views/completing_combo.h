#pragma once

#include <QComboBox>
#include <functional>
#include <string>
#include <vector>

namespace vorlix {

// An editable combo box that completes what the user types from a history list: each typed
// character (but "." and Backspace, so that the user can type past a proposal) lets the edit
// it makes be completed. The list then holds the typed text and, sorted ignoring case, the
// history entries that start with it exactly; the first of them fills the field with its
// untyped rest selected, so that typing on replaces it. Opening the list shows the entries
// that start with the text so far, all of them for an empty text.
class CompletingCombo : public QComboBox {
    Q_OBJECT

public:
    explicit CompletingCombo(QWidget* parent = nullptr);

    // Where the history comes from; read at each completion, since the catalogue may change.
    void setHistory(std::function<std::vector<std::string>()> history);
    // Whether typing completes; off, the combo is a plain editable one.
    void setCompletionOn(bool on) { m_completionOn = on; }
    // Cuts the text at the start of the selection (or at the caret) and puts the caret at the
    // end.
    void cutAtSelection();

    void showPopup() override;

Q_SIGNALS:
    // The user changed the text: typing, deleting or pasting. Sent before the completion.
    void edited();
    void backspaceReleased();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void onTextEdited(const QString& text);
    // The list made of the text and the entries it proposes; the number of entries.
    qsizetype fillList(const QString& text);

    std::function<std::vector<std::string>()> m_history;
    bool m_completionOn = false;
    bool m_completeNextEdit = false;
};

}  // namespace vorlix
