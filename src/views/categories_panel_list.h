#pragma once

#include <QTreeView>
#include <functional>
#include <string>
#include <vector>

namespace vorlix {

// A one-column list of the categories panel (categories or drives). Names are editable only
// when the permission callback allows it at the moment editing would start. It reports every
// mouse press (the panel tracks which list was clicked last) and the release of the Delete key.
class CategoriesPanelList : public QTreeView {
    Q_OBJECT

public:
    explicit CategoriesPanelList(QWidget* parent = nullptr);

    // Asked each time an editor is about to open; false keeps the name as it is.
    void setEditPermission(std::function<bool()> mayEdit);
    // The texts of the selected rows, in row order.
    std::vector<std::string> selectedTexts() const;

Q_SIGNALS:
    void listPressed();
    void deleteReleased();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace vorlix
