#include "views/disc_tree_widget.h"

#include <QKeyEvent>
#include <QMetaProperty>
#include <QMouseEvent>

namespace vorlix {

DiscTreeWidget::DiscTreeWidget(QWidget* parent) : QTreeView(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(SingleSelection);
    setEditTriggers(SelectedClicked | EditKeyPressed);
    // The right button opens the pane's own menu on release; no second menu on press.
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
}

bool DiscTreeWidget::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool started = QTreeView::edit(index, trigger, event);
    if (started && isEditing()) {
        m_edited = index;
        m_committedText.clear();
    }
    return started;
}

void DiscTreeWidget::commitData(QWidget* editor) {
    const QMetaProperty text = editor->metaObject()->userProperty();
    m_committedText = text.read(editor).toString();
}

void DiscTreeWidget::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTreeView::closeEditor(editor, hint);
    if (!m_edited.isValid()) {
        return;
    }
    const QModelIndex edited = m_edited;
    m_edited = QPersistentModelIndex();
    const QString text =
        hint == QAbstractItemDelegate::RevertModelCache ? QString() : m_committedText;
    Q_EMIT labelEditEnded(edited, text);
}

void DiscTreeWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        Q_EMIT rightButtonPressed(event->position().toPoint());
        return;
    }
    QTreeView::mousePressEvent(event);
}

void DiscTreeWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        Q_EMIT rightButtonReleased(event->globalPosition().toPoint());
        return;
    }
    QTreeView::mouseReleaseEvent(event);
}

void DiscTreeWidget::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && !event->isAutoRepeat() && !isEditing()) {
        Q_EMIT deleteKeyReleased();
        return;
    }
    QTreeView::keyReleaseEvent(event);
}

}  // namespace vorlix
