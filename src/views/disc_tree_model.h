#pragma once

#include <QAbstractItemModel>
#include <QString>
#include <memory>
#include <vector>

#include "views/disc_tree_icons.h"

namespace vorlix {

class CQXDisc;

// One item of the disc tree: a disc at the top level, a folder below it. Items hold only their
// text and look; the disc number at the start of a disc item's text links it to the catalogue.
struct DiscTreeItem {
    QString text;
    DiscTreeItem* parent = nullptr;
    int row = 0;
    bool shared = false;
    std::vector<std::unique_ptr<DiscTreeItem>> children;
};

// The disc's item with its folders, built from its folder outline. A disc whose outline has no
// complete first line still gets an item, from its number and name.
std::unique_ptr<DiscTreeItem> discTreeItems(const CQXDisc& disc);

// The discs and folders of the tree. Built in one piece, so that a catalogue of thousands of
// discs fills without a signal per item, and changed one disc at a time afterwards.
class DiscTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    explicit DiscTreeModel(QObject* parent = nullptr);
    ~DiscTreeModel() override;

    void setIcons(DiscTreeIcons icons);
    // Replaces every item by these disc items, in order.
    void setDiscs(std::vector<std::unique_ptr<DiscTreeItem>> discs);
    // Puts a disc item at that row of the top level; answers its index.
    QModelIndex insertDisc(int row, std::unique_ptr<DiscTreeItem> disc);
    void removeDisc(int row);
    void setDiscText(int row, const QString& text);
    void setDiscShared(int row, bool shared);
    int discCount() const { return static_cast<int>(m_root.children.size()); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const DiscTreeItem& itemAt(const QModelIndex& index) const;
    void renumberDiscRows(int from);
    void discChanged(int row, int role);

    DiscTreeItem m_root;
    DiscTreeIcons m_icons;
};

}  // namespace vorlix
