#include "views/categories_panel_list.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "app/ui/qt_text.h"

namespace vorlix {

namespace {

// Opening the editor is the one place every way of starting an edit passes (the Rename command,
// a click on a selected name, F2), so the permission is asked here.
class GuardedNameDelegate final : public QStyledItemDelegate {
public:
    GuardedNameDelegate(std::function<bool()> mayEdit, QObject* parent)
        : QStyledItemDelegate(parent), m_mayEdit(std::move(mayEdit)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (!m_mayEdit()) {
            return nullptr;
        }
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

private:
    std::function<bool()> m_mayEdit;
};

}  // namespace

CategoriesPanelList::CategoriesPanelList(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void CategoriesPanelList::setEditPermission(std::function<bool()> mayEdit) {
    setItemDelegate(new GuardedNameDelegate(std::move(mayEdit), this));
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
}

std::vector<std::string> CategoriesPanelList::selectedTexts() const {
    QModelIndexList rows = selectionModel()->selectedRows();
    std::ranges::sort(rows,
                      [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(rows.size()));
    for (const QModelIndex& row : rows) {
        texts.push_back(fromQt(row.data().toString()));
    }
    return texts;
}

void CategoriesPanelList::mousePressEvent(QMouseEvent* event) {
    QTreeView::mousePressEvent(event);
    Q_EMIT listPressed();
}

void CategoriesPanelList::keyReleaseEvent(QKeyEvent* event) {
    QTreeView::keyReleaseEvent(event);
    if (event->key() == Qt::Key_Delete && !event->isAutoRepeat()) {
        Q_EMIT deleteReleased();
    }
}

}  // namespace vorlix
