#include "scan/ui/scan_filter_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ui/qt_text.h"

namespace vorlix {

namespace {

constexpr char kScanFilterTitle[] = "QX Scan Filter Extensions";
constexpr char kScanFilterIntro[] =
    "Orvanta has detected unknown file extensions. Please, add the file extensions you want to "
    "keep on the right. The remaining file extensions are going to be removed/not added to your "
    "database. You can also manually enter a specific file extension.";

constexpr int kExtColumnWidth = 80;

QPushButton* makeButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    // Enter in the edit field means "Add New", never a button that happens to have focus.
    button->setAutoDefault(false);
    return button;
}

QTreeWidget* makeList(const QString& name, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setColumnCount(1);
    list->setHeaderLabels({QStringLiteral("Ext")});
    list->setColumnWidth(0, kExtColumnWidth);
    list->header()->setStretchLastSection(false);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setIconSize(QSize(16, 16));
    return list;
}

std::vector<std::size_t> selectedRows(const QTreeWidget* list) {
    std::vector<std::size_t> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->isSelected()) {
            rows.push_back(static_cast<std::size_t>(i));
        }
    }
    return rows;
}

}  // namespace

ScanFilterDialog::ScanFilterDialog(FilterLists& lists, std::vector<std::string>& detected,
                                   UserPrompt& prompt, SettingsStore& settings, QWidget* parent)
    : QDialog(parent), m_editor(lists, detected, prompt, settings) {
    setObjectName(QStringLiteral("scanFilterDialog"));
    setWindowTitle(QString::fromLatin1(kScanFilterTitle));
    setModal(false);

    auto* intro = new QLabel(QString::fromLatin1(kScanFilterIntro), this);
    intro->setObjectName(QStringLiteral("introText"));
    intro->setWordWrap(true);

    m_deleteWithoutExtension =
        new QCheckBox(QStringLiteral("Delete files without extension"), this);
    m_deleteWithoutExtension->setObjectName(QStringLiteral("deleteWithoutExtension"));
    m_deleteWithoutExtension->setChecked(m_editor.deleteFilesWithoutExtension());

    m_newExtension = new QLineEdit(this);
    m_newExtension->setObjectName(QStringLiteral("newExtension"));
    QPushButton* addNew = makeButton(QStringLiteral("Add New"), QStringLiteral("addNew"), this);
    auto* newRow = new QHBoxLayout;
    newRow->addWidget(m_newExtension);
    newRow->addWidget(addNew);

    auto* detectedLabel = new QLabel(QStringLiteral("Detected Extensions:"), this);
    detectedLabel->setObjectName(QStringLiteral("detectedLabel"));
    auto* keepLabel = new QLabel(QStringLiteral("Keep Extensions:"), this);
    keepLabel->setObjectName(QStringLiteral("keepLabel"));
    m_detectedList = makeList(QStringLiteral("detectedExtensions"), this);
    m_keepList = makeList(QStringLiteral("keepExtensions"), this);
    detectedLabel->setBuddy(m_detectedList);
    keepLabel->setBuddy(m_keepList);

    auto* editGroup = new QGroupBox(QStringLiteral("Edit Extensions"), this);
    editGroup->setObjectName(QStringLiteral("editExtensions"));
    QPushButton* addSelected =
        makeButton(QStringLiteral("Add   >>"), QStringLiteral("addSelected"), editGroup);
    QPushButton* removeSelected =
        makeButton(QStringLiteral("<< Remove"), QStringLiteral("removeSelected"), editGroup);
    auto* editLayout = new QVBoxLayout(editGroup);
    editLayout->addWidget(addSelected);
    editLayout->addWidget(removeSelected);

    auto* columns = new QGridLayout;
    columns->addWidget(detectedLabel, 0, 0);
    columns->addWidget(keepLabel, 0, 2);
    columns->addWidget(m_detectedList, 1, 0);
    columns->addWidget(editGroup, 1, 1, Qt::AlignVCenter);
    columns->addWidget(m_keepList, 1, 2);
    columns->setColumnStretch(0, 1);
    columns->setColumnStretch(2, 1);

    QPushButton* ok = makeButton(QStringLiteral("OK"), QStringLiteral("ok"), this);
    QPushButton* cancel = makeButton(QStringLiteral("Cancel"), QStringLiteral("cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_deleteWithoutExtension);
    layout->addLayout(newRow);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(m_deleteWithoutExtension, &QCheckBox::toggled, this,
            [this](bool on) { m_editor.setDeleteFilesWithoutExtension(on); });
    connect(addNew, &QPushButton::clicked, this, &ScanFilterDialog::onAddNew);
    connect(m_newExtension, &QLineEdit::returnPressed, this, &ScanFilterDialog::onAddNew);
    connect(addSelected, &QPushButton::clicked, this, &ScanFilterDialog::onAddSelected);
    connect(removeSelected, &QPushButton::clicked, this, &ScanFilterDialog::onRemoveSelected);
    connect(ok, &QPushButton::clicked, this, &ScanFilterDialog::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    showRows();
    resize(480, 420);
}

void ScanFilterDialog::onAddNew() {
    m_editor.addNew(fromQt(m_newExtension->text()));
    m_newExtension->clear();
    showRows();
}

void ScanFilterDialog::onAddSelected() {
    m_editor.addSelected(selectedRows(m_detectedList));
    showRows();
}

void ScanFilterDialog::onRemoveSelected() {
    m_editor.removeSelected(selectedRows(m_keepList));
    showRows();
}

void ScanFilterDialog::onOk() {
    if (m_editor.accept()) {
        accept();
    }
}

void ScanFilterDialog::showRows() {
    fill(m_detectedList, m_editor.detectedRows());
    fill(m_keepList, m_editor.keepRows());
}

void ScanFilterDialog::fill(QTreeWidget* list, const std::vector<std::string>& rows) {
    list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::string& row : rows) {
        const QString extension = toQt(row);
        auto* item = new QTreeWidgetItem(QStringList{extension});
        item->setIcon(0, iconFor(extension));
        items.append(item);
    }
    list->addTopLevelItems(items);
}

QIcon ScanFilterDialog::iconFor(const QString& extension) {
    const auto known = m_icons.constFind(extension);
    if (known != m_icons.constEnd()) {
        return *known;
    }
    // Matching the name alone keeps the disk (and any disc in the drive) out of it.
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(QStringLiteral("text.") + extension,
                                                           QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName()));
    if (icon.isNull()) {
        icon = style()->standardIcon(QStyle::SP_FileIcon);
    }
    m_icons.insert(extension, icon);
    return icon;
}

}  // namespace vorlix
