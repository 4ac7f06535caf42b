#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <vector>

#include "tasks/search_window/search_result_rows.h"

namespace vorlix {

// The search window's results list as the view shows it. A batch of results goes in as one
// insertion at the top, so a search of a hundred thousand results costs the view a few hundred
// updates, not a hundred thousand.
class SearchResultsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit SearchResultsModel(QObject* parent = nullptr);

    const SearchResultRows& rows() const { return m_rows; }

    // Empty, with the columns of the mode.
    void reset(bool files);
    void addFiles(const std::vector<FileResult>& batch);
    void addDiscs(const std::vector<DiscResult>& batch);
    void sortByColumn(int column);
    void keepShown();
    void showFiltered(std::string_view filter);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void inserted(std::size_t count, const std::function<void()>& add);

    SearchResultRows m_rows;
    QIcon m_file;
    QIcon m_sharedDisc;
    QIcon m_privateDisc;
};

}  // namespace vorlix
