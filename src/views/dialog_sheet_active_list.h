#pragma once

#include "app/options/ui/options_page.h"
#include "views/logic/active_list_editor.h"

class QComboBox;
class QListWidget;

namespace vorlix {

class CQX2Doc;
class UserPrompt;

// The options dialog's "Wordlist Options" page: the words of the search history or of the
// borrower history, chosen in its combo, which the user removes one by one or all at once.
// The page edits copies taken when it is made; "Save" puts them into the catalogue and writes
// the catalogue file, and the dialog's OK puts them into the catalogue only.
class CDialogSheetActiveList final : public OptionsPage {
    Q_OBJECT

public:
    CDialogSheetActiveList(CQX2Doc& document, UserPrompt& prompt, QWidget* parent = nullptr);

    void dialogAccepted() override;
    // The lists belong to the catalogue, which a settings restore leaves alone.
    void settingsReloaded() override {}

private:
    ActiveList chosenList() const;
    void fillWords();
    void removeSelected();

    ActiveListEditor m_editor;
    QComboBox* m_listChoice = nullptr;
    QListWidget* m_words = nullptr;
};

}  // namespace vorlix
