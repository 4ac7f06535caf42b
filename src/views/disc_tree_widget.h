#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>

namespace vorlix {

// The tree control of the disc tree. It leaves every decision to its pane and only reports
// what the user did: the end of a label edit with the text typed, the right button, and the
// Delete key. A label edit never changes the item itself; the pane sets the item's text.
class DiscTreeWidget : public QTreeView {
    Q_OBJECT

public:
    explicit DiscTreeWidget(QWidget* parent = nullptr);

    using QTreeView::edit;

    bool isEditing() const { return state() == EditingState; }

Q_SIGNALS:
    // The edit of that item's label ended; the text is empty when the edit was cancelled.
    void labelEditEnded(const QModelIndex& index, const QString& text);
    void rightButtonPressed(const QPoint& position);
    void rightButtonReleased(const QPoint& globalPosition);
    void deleteKeyReleased();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QPersistentModelIndex m_edited;
    QString m_committedText;
};

}  // namespace vorlix
