#include "views/attached_categories_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "app/ui/qt_text.h"
#include "core/file_data.h"
#include "views/categories_list_model.h"
#include "views/categories_panel_list.h"
#include "views/categories_pictures.h"
#include "views/logic/categories_names.h"

namespace vorlix {

namespace {

constexpr int kColumnWidth = 100;
constexpr int kIconSize = 24;

}  // namespace

CDialogAttachedCategories::CDialogAttachedCategories(CQXFileData& entry, QWidget* parent)
    : QDialog(parent), m_entry(entry) {
    setWindowTitle(QStringLiteral("List of Attached Categories"));

    auto* fileName = new QLabel(toQt(entry.name()));
    fileName->setObjectName(QStringLiteral("fileNameText"));
    QFont bold = fileName->font();
    bold.setBold(true);
    fileName->setFont(bold);

    m_model = new CategoryListModel(QStringLiteral("Category"), categoryIcon(), this);
    m_list = new CategoriesPanelList;
    m_list->setObjectName(QStringLiteral("attachedCategoriesList"));
    m_list->setModel(m_model);
    m_list->setIconSize(QSize(kIconSize, kIconSize));
    m_list->header()->setStretchLastSection(false);
    m_list->header()->resizeSection(0, kColumnWidth);
    m_list->header()->setSectionsClickable(true);
    connect(m_list->header(), &QHeaderView::sectionClicked, m_model,
            &CategoryListModel::toggleOrder);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            &CDialogAttachedCategories::showMenu);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileName);
    layout->addWidget(new QLabel(QStringLiteral("Edit the Attached Categories:")));
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(260, 300);
    refill();
}

void CDialogAttachedCategories::refill() {
    m_model->setNames(m_entry.categories().toVector());
}

void CDialogAttachedCategories::showMenu(const QPoint& position) {
    if (!m_list->selectionModel()->hasSelection()) {
        return;
    }
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("attachedCategoriesMenu"));
    QAction* remove = menu.addAction(QStringLiteral("Delete"));
    if (menu.exec(m_list->viewport()->mapToGlobal(position)) == remove) {
        removeNames(m_entry.editCategories(), m_list->selectedTexts());
        refill();
    }
}

}  // namespace vorlix
