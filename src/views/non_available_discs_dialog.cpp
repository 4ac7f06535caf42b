#include "views/non_available_discs_dialog.h"

#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/catalogue_document.h"
#include "app/ui/qt_text.h"
#include "core/clock.h"
#include "core/user_prompt.h"
#include "tasks/disc_lending.h"
#include "tasks/lending_lists.h"
#include "views/lending_list_model.h"
#include "views/lending_list_view.h"

namespace vorlix {

namespace {

constexpr int kColumns = 4;

}  // namespace

CDialogNonAvailableDiscs::CDialogNonAvailableDiscs(CQX2Doc& document, const SettingsStore& settings,
                                                   UserPrompt& prompt, std::string borrower,
                                                   QWidget* parent)
    : QDialog(parent),
      m_document(document),
      m_settings(settings),
      m_prompt(prompt),
      m_borrower(std::move(borrower)),
      m_model(new LendingListModel(kColumns, this)),
      m_list(new LendingListView(m_model, this)),
      m_menu(new QMenu(this)) {
    setObjectName(QStringLiteral("CDialogNonAvailableDiscs"));
    setWindowTitle(toQt(kNonAvailableDiscsTitle));
    setModal(true);

    m_list->setObjectName(QStringLiteral("nonAvailableList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &LendingListView::discChosen, this, [this](const QString& number) {
        m_chosen = fromQt(number);
        accept();
    });
    connect(m_list, &QWidget::customContextMenuRequested, this,
            &CDialogNonAvailableDiscs::showMenu);
    m_menu->setObjectName(QStringLiteral("nonAvailableMenu"));
    m_menu->addAction(QStringLiteral("Get Back"), this, &CDialogNonAvailableDiscs::getBackSelected);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(680, 400);
    fill();
}

void CDialogNonAvailableDiscs::fill() {
    NonAvailableList list = nonAvailableDiscRows(
        m_document.catalogue(), m_borrower, readOverdueRule(m_settings), m_document.clock().now());
    setWindowTitle(toQt(list.caption));
    const bool none = list.rows.empty();
    m_model->setRows(std::move(list.rows));
    if (none) {
        m_prompt.message(kAllAvailableMessage);
    }
}

void CDialogNonAvailableDiscs::showMenu(const QPoint& position) {
    if (!m_list->selectionModel()->hasSelection()) {
        return;
    }
    m_menu->popup(m_list->viewport()->mapToGlobal(position));
}

void CDialogNonAvailableDiscs::getBackSelected() {
    // The current disc and the commands panel keep what they show until the disc is shown
    // again.
    returnDiscsHome(m_document.catalogue(), m_list->selectedNumbers());
    m_document.setModified();
    fill();
}

}  // namespace vorlix
