#include "views/disc_tree_model.h"

#include "accounts/disc_sharing.h"
#include "app/ui/qt_text.h"
#include "core/disc.h"
#include "views/logic/disc_tree_names.h"
#include "views/logic/disc_tree_outline.h"

namespace vorlix {

std::unique_ptr<DiscTreeItem> discTreeItems(const CQXDisc& disc) {
    const std::vector<OutlineItem> lines = parseOutline(disc.outline());
    auto discItem = std::make_unique<DiscTreeItem>();
    discItem->shared = disc.shared() == kSharedYes;
    if (lines.empty()) {
        discItem->text = toQt(discItemText(disc.number(), disc.name()));
        return discItem;
    }
    discItem->text = toQt(lines.front().text);
    std::vector<DiscTreeItem*> made;
    made.reserve(lines.size());
    made.push_back(discItem.get());
    for (std::size_t i = 1; i < lines.size(); ++i) {
        DiscTreeItem* parent = made[lines[i].parent];
        auto folder = std::make_unique<DiscTreeItem>();
        folder->text = toQt(lines[i].text);
        folder->parent = parent;
        folder->row = static_cast<int>(parent->children.size());
        made.push_back(folder.get());
        parent->children.push_back(std::move(folder));
    }
    return discItem;
}

DiscTreeModel::DiscTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

DiscTreeModel::~DiscTreeModel() = default;

void DiscTreeModel::setIcons(DiscTreeIcons icons) {
    m_icons = std::move(icons);
    if (discCount() > 0) {
        Q_EMIT dataChanged(index(0, 0), index(discCount() - 1, 0), {Qt::DecorationRole});
    }
}

void DiscTreeModel::setDiscs(std::vector<std::unique_ptr<DiscTreeItem>> discs) {
    beginResetModel();
    m_root.children = std::move(discs);
    for (auto& disc : m_root.children) {
        disc->parent = &m_root;
    }
    renumberDiscRows(0);
    endResetModel();
}

QModelIndex DiscTreeModel::insertDisc(int row, std::unique_ptr<DiscTreeItem> disc) {
    beginInsertRows({}, row, row);
    disc->parent = &m_root;
    m_root.children.insert(m_root.children.begin() + row, std::move(disc));
    renumberDiscRows(row);
    endInsertRows();
    return index(row, 0);
}

void DiscTreeModel::removeDisc(int row) {
    beginRemoveRows({}, row, row);
    m_root.children.erase(m_root.children.begin() + row);
    renumberDiscRows(row);
    endRemoveRows();
}

void DiscTreeModel::setDiscText(int row, const QString& text) {
    m_root.children[static_cast<std::size_t>(row)]->text = text;
    discChanged(row, Qt::DisplayRole);
}

void DiscTreeModel::setDiscShared(int row, bool shared) {
    m_root.children[static_cast<std::size_t>(row)]->shared = shared;
    discChanged(row, Qt::DecorationRole);
}

QModelIndex DiscTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) {
        return {};
    }
    const DiscTreeItem& holder = itemAt(parent);
    return createIndex(row, column, holder.children[static_cast<std::size_t>(row)].get());
}

QModelIndex DiscTreeModel::parent(const QModelIndex& index) const {
    if (!index.isValid()) {
        return {};
    }
    const DiscTreeItem* holder = itemAt(index).parent;
    if (holder == &m_root) {
        return {};
    }
    return createIndex(holder->row, 0, holder);
}

int DiscTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) {
        return 0;
    }
    return static_cast<int>(itemAt(parent).children.size());
}

int DiscTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool DiscTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant DiscTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const DiscTreeItem& item = itemAt(index);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return item.text;
        case Qt::DecorationRole:
            if (item.parent != &m_root) {
                return m_icons.folder;
            }
            return item.shared ? m_icons.sharedDisc : m_icons.disc;
        default:
            return {};
    }
}

Qt::ItemFlags DiscTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // Only a disc's label can be edited: it carries the disc's name.
    return itemAt(index).parent == &m_root ? flags | Qt::ItemIsEditable : flags;
}

const DiscTreeItem& DiscTreeModel::itemAt(const QModelIndex& index) const {
    return index.isValid() ? *static_cast<const DiscTreeItem*>(index.internalPointer()) : m_root;
}

void DiscTreeModel::renumberDiscRows(int from) {
    for (std::size_t row = static_cast<std::size_t>(from); row < m_root.children.size(); ++row) {
        m_root.children[row]->row = static_cast<int>(row);
    }
}

void DiscTreeModel::discChanged(int row, int role) {
    const QModelIndex changed = index(row, 0);
    Q_EMIT dataChanged(changed, changed, {role});
}

}  // namespace vorlix
