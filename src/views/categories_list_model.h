#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace vorlix {

// Category names in one column, ordered without regard to case. The order starts ascending
// and each click on the column header turns it round. Names become editable when the model
// is given a rename handler, which decides whether a new name is taken.
class CategoryListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using RenameHandler =
        std::function<bool(const std::string& oldName, const std::string& newName)>;

    CategoryListModel(QString title, QIcon icon, QObject* parent = nullptr);

    void setNames(std::vector<std::string> names);
    const std::string& name(int row) const { return m_names.at(static_cast<std::size_t>(row)); }
    bool ascending() const { return m_ascending; }
    // The header click: from ascending to descending and back.
    void toggleOrder();
    // Back to ascending, where every catalogue shown starts.
    void resetOrder();
    void setRenameHandler(RenameHandler handler);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void sortKeepingIndexes();

    QString m_title;
    QIcon m_icon;
    std::vector<std::string> m_names;
    bool m_ascending = true;
    RenameHandler m_rename;
};

}  // namespace vorlix
