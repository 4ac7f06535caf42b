#pragma once

#include <QDialog>
#include <array>
#include <string_view>

namespace vorlix {

// One row of the key table: the key combination and what it does.
struct KeyTableRow {
    std::string_view combination;
    std::string_view action;
};

inline constexpr std::array<KeyTableRow, 12> kKeyTableRows = {{
    {"Del", "Delete categories or  CDs"},
    {"Ctrl + P", "Create a new playlist"},
    {"Ctrl + I", "Start the QX server"},
    {"Ctrl + N", "Create a new cd database"},
    {"Ctrl + O", "Open a cd database"},
    {"Ctrl + H", "Show all available discs"},
    {"Ctrl + X", "Show all non-available discs"},
    {"Ctrl + B", "Get disc back"},
    {"Ctrl + G", "Find gaps"},
    {"Ctrl + Q", "Search for CDs"},
    {"Ctrl + D", "Run a CDDB query"},
    {"Ctrl + Y", "Scan a CD"},
}};

// The modal list of the program's key combinations.
class KeyTableDialog : public QDialog {
    Q_OBJECT

public:
    explicit KeyTableDialog(QWidget* parent = nullptr);
};

}  // namespace vorlix
