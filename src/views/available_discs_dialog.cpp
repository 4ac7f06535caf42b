#include "views/available_discs_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/qt_text.h"
#include "views/lending_list_model.h"
#include "views/lending_list_view.h"

namespace vorlix {

namespace {

constexpr int kColumns = 2;

}  // namespace

CDialogAvailableDiscs::CDialogAvailableDiscs(const CQXCatalog& catalogue, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CDialogAvailableDiscs"));
    setWindowTitle(toQt(kAvailableDiscsTitle));
    setModal(true);

    auto* model = new LendingListModel(kColumns, this);
    model->setRows(availableDiscRows(catalogue));
    auto* list = new LendingListView(model, this);
    list->setObjectName(QStringLiteral("availableList"));
    connect(list, &LendingListView::discChosen, this, [this](const QString& number) {
        m_chosen = fromQt(number);
        accept();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    resize(420, 380);
}

}  // namespace vorlix
