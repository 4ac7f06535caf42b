#include "gui/key_table_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ui/qt_text.h"

namespace vorlix {

KeyTableDialog::KeyTableDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("KeyTableDialog"));
    setWindowTitle(QStringLiteral("Orvanta Key Accelerator Table"));
    setModal(true);

    auto* table = new QTreeWidget(this);
    table->setObjectName(QStringLiteral("keyTable"));
    table->setRootIsDecorated(false);
    table->setColumnCount(2);
    table->setHeaderLabels({QStringLiteral("Combination"), QStringLiteral("Action")});
    table->header()->setStretchLastSection(false);
    table->setColumnWidth(0, 100);
    table->setColumnWidth(1, 300);
    for (const KeyTableRow& row : kKeyTableRows) {
        table->addTopLevelItem(
            new QTreeWidgetItem(QStringList{toQt(row.combination), toQt(row.action)}));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(440, 360);
}

}  // namespace vorlix
