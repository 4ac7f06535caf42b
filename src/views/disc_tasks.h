#pragma once

#include <string>

#include "app/pane.h"

class QWidget;

namespace vorlix {

class CQX2Doc;
class SettingsStore;
class UserPrompt;

// The lending and disc-number operations that open dialogs, for the commands panel's buttons,
// together with the Lend menu and Find Gaps, which the disc tree passes on here. Each does
// nothing while the catalogue holds no disc and is refused to anyone but the owner.
class DiscTasks {
public:
    DiscTasks(CQX2Doc& document, UserPrompt& prompt, const SettingsStore& settings,
              QWidget* dialogParent);

    // Lend, GetBack, ShowAvailable, ShowNonAvailable or FindGaps from the menu: the lend name
    // is the commands panel's, which a lend empties.
    void runMenuCommand(PaneCommand command);

    // The available list; a disc chosen there is selected in the disc tree.
    void showAvailableList();
    // The non-available list for the lend name (empty: every lent disc); a disc chosen there is
    // selected in the disc tree.
    void showNonAvailableList(const std::string& lendName);
    // "No gaps in the cd index.", or the dialog of the gaps.
    void findGaps();

private:
    std::string panelLendName() const;
    void lendFromMenu();
    void selectInTree(const std::string& number);

    CQX2Doc& m_document;
    UserPrompt& m_prompt;
    const SettingsStore& m_settings;
    QWidget* m_dialogParent;
};

}  // namespace vorlix
