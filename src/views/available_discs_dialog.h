#pragma once

#include <QDialog>
#include <string>
#include <string_view>

namespace vorlix {

class CQXCatalog;

inline constexpr std::string_view kAvailableDiscsTitle = "List of All Available Discs";

// The discs at home, in catalogue order, in a modal dialog. A double click on a row chooses its
// disc and closes the dialog; "OK" closes it without a choice.
class CDialogAvailableDiscs : public QDialog {
    Q_OBJECT

public:
    explicit CDialogAvailableDiscs(const CQXCatalog& catalogue, QWidget* parent = nullptr);

    // The number of the disc chosen; empty when none was.
    const std::string& chosenNumber() const { return m_chosen; }

private:
    std::string m_chosen;
};

}  // namespace vorlix
