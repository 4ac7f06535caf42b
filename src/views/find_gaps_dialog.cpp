#include "views/find_gaps_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "app/ui/qt_text.h"
#include "views/gap_list_model.h"

namespace vorlix {

namespace {

constexpr int kColumnWidth = 100;
constexpr int kRowPadding = 4;

}  // namespace

CDialogFindGaps::CDialogFindGaps(DiscGaps gaps, QWidget* parent)
    : QDialog(parent), m_list(new QTableView(this)) {
    setObjectName(QStringLiteral("CDialogFindGaps"));
    setWindowTitle(toQt(kFindGapsTitle));
    setModal(true);

    auto* count = new QLabel(QString::number(gaps.count()), this);
    count->setObjectName(QStringLiteral("gapCount"));
    m_model = new GapListModel(std::move(gaps), this);

    m_list->setObjectName(QStringLiteral("gapList"));
    m_list->setModel(m_model);
    // Rows as tight as a list's, rather than a table's roomy default.
    QHeaderView* rows = m_list->verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_list->fontMetrics().height() + kRowPadding);
    m_list->setShowGrid(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView* header = m_list->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->resizeSection(0, kColumnWidth);
    connect(header, &QHeaderView::sectionClicked, this, &CDialogFindGaps::sortByHeader);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Unassigned Numbers:"), this), 0, 0);
    layout->addWidget(count, 0, 1);
    layout->setColumnStretch(1, 1);
    layout->addWidget(m_list, 1, 0, 1, 2);
    layout->setRowStretch(1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    resize(200, 340);
}

void CDialogFindGaps::sortByHeader() {
    const bool descending = m_order.nextDescending(0);
    m_model->setDescending(descending);
    QHeaderView* header = m_list->horizontalHeader();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(0, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

}  // namespace vorlix
