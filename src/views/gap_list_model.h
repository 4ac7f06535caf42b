#pragma once

#include <QAbstractTableModel>

#include "tasks/disc_gaps.h"

namespace vorlix {

// The gaps of the disc numbers in one column, "Found gaps", ascending or descending. Rows are
// made when they are shown. A view keeps some bytes for every row, so a catalogue whose last
// number is in the billions shows its first million gaps in the chosen order, not all.
inline constexpr int kMaxGapRows = 1'000'000;

class GapListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit GapListModel(DiscGaps gaps, QObject* parent = nullptr);

    bool descending() const { return m_descending; }
    void setDescending(bool descending);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    DiscGaps m_gaps;
    bool m_descending = false;
};

}  // namespace vorlix
