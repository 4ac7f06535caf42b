#pragma once

#include <QDialog>
#include <string>
#include <string_view>

class QMenu;

namespace vorlix {

class CQX2Doc;
class LendingListModel;
class LendingListView;
class SettingsStore;
class UserPrompt;

inline constexpr std::string_view kNonAvailableDiscsTitle = "Non-available Discs";

// The lent discs in a modal dialog: those of one borrower, or all of them with the overdue
// ones marked as the settings ask. Its caption says which. The list's menu gives selected discs
// back. A double click on a row chooses its disc and closes the dialog; "OK" and "Cancel" close
// it without a choice.
class CDialogNonAvailableDiscs : public QDialog {
    Q_OBJECT

public:
    // borrower: the lend name, or empty for every lent disc. The dates are measured with the
    // document's clock.
    CDialogNonAvailableDiscs(CQX2Doc& document, const SettingsStore& settings, UserPrompt& prompt,
                             std::string borrower, QWidget* parent = nullptr);

    // The number of the disc chosen; empty when none was.
    const std::string& chosenNumber() const { return m_chosen; }

private:
    void fill();
    void showMenu(const QPoint& position);
    void getBackSelected();

    CQX2Doc& m_document;
    const SettingsStore& m_settings;
    UserPrompt& m_prompt;
    std::string m_borrower;
    std::string m_chosen;
    LendingListModel* m_model;
    LendingListView* m_list;
    QMenu* m_menu;
};

}  // namespace vorlix
