#pragma once

#include <QDialog>
#include <string_view>

#include "tasks/disc_gaps.h"
#include "tasks/lending_list_sort.h"

class QTableView;

namespace vorlix {

class GapListModel;

inline constexpr std::string_view kFindGapsTitle = "Find Gaps in the CD Index";

// The disc numbers no disc carries, in a modal dialog: how many, and a list that the header
// sorts descending and ascending by turns.
class CDialogFindGaps : public QDialog {
    Q_OBJECT

public:
    explicit CDialogFindGaps(DiscGaps gaps, QWidget* parent = nullptr);

private:
    void sortByHeader();

    GapListModel* m_model;
    QTableView* m_list;
    AlternatingSortOrder m_order;
};

}  // namespace vorlix
