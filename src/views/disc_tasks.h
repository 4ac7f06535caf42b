#pragma once

#include <string>

#include "app/disc_number_commands.h"
#include "app/lending_commands.h"

class QWidget;

namespace vorlix {

class CQX2Doc;
class SettingsStore;
class UserPrompt;

// The lending and disc-number operations of the commands panel, its buttons, its Enter key and
// the Lend menu alike. The lists and Find Gaps open dialogs over the dialog parent; a disc chosen
// in a list is selected in the disc tree. Each does nothing while the catalogue holds no disc.
class DiscTasks final : public LendingCommands, public DiscNumberCommands {
public:
    DiscTasks(CQX2Doc& document, UserPrompt& prompt, const SettingsStore& settings,
              QWidget* dialogParent = nullptr);

    // The window the dialogs open over, once it exists.
    void setDialogParent(QWidget* parent) { m_dialogParent = parent; }

    bool lend(const std::string& borrower) override;
    bool getBack() override;
    // The available list: owner only.
    void showAvailable() override;
    // The non-available list for the borrower (empty: every lent disc): owner only.
    void showNonAvailable(const std::string& borrower) override;

    void changeNumber(const std::string& number, const std::string& name) override;
    void showDisc(int number) override;
    // "No gaps in the cd index.", or the dialog of the gaps: owner only.
    void findGaps() override;

private:
    void selectInTree(const std::string& number);

    CQX2Doc& m_document;
    UserPrompt& m_prompt;
    const SettingsStore& m_settings;
    QWidget* m_dialogParent;
};

}  // namespace vorlix
